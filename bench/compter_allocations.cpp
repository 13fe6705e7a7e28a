// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Replaces operator new to count allocations. It takes its memory from
// malloc, as the library's own operator new does, so the library's
// operator delete still matches; kept in its own file so the compiler does
// not pair this malloc with a delete it sees inline.

#include "compter_allocations.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> compte{0};
}  // namespace

long allocationsFaites() { return compte.load(std::memory_order_relaxed); }

void* operator new(std::size_t taille)
{
    compte.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(taille ? taille : 1))
        return p;
    throw std::bad_alloc();
}
