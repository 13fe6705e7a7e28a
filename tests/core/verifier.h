#pragma once
// EXPECT_THROW_MSG(instruction, Type, "message"): the instruction throws
// exactly that error class with exactly that text.

#include <gtest/gtest.h>

#include <string>

#define EXPECT_THROW_MSG(instruction, Type, message)                                   \
    do {                                                                               \
        try {                                                                          \
            instruction;                                                               \
            ADD_FAILURE() << #instruction " did not throw";                            \
        } catch (const Type& e_) {                                                     \
            EXPECT_EQ(std::string(e_.what()), std::string(message));                   \
        } catch (const std::exception& e_) {                                           \
            ADD_FAILURE() << #instruction " threw another error: " << e_.what();       \
        }                                                                              \
    } while (false)
