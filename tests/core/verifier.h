// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// EXPECT_THROW_MSG(instruction, Type, "message"): the instruction throws
// exactly that error class with exactly that text.

#include <gtest/gtest.h>

#include <string>

#define EXPECT_THROW_MSG(instruction, Type, texte)                                     \
    do {                                                                               \
        try {                                                                          \
            instruction;                                                               \
            ADD_FAILURE() << #instruction " did not throw";                            \
        } catch (const Type& e_) {                                                     \
            EXPECT_EQ(e_.message(), std::string(texte));                               \
        } catch (const std::exception& e_) {                                           \
            ADD_FAILURE() << #instruction " threw another error: " << e_.what();       \
        }                                                                              \
    } while (false)
