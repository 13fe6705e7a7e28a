#pragma once
// Heap allocations made through operator new since the program started.
long allocationsFaites();
