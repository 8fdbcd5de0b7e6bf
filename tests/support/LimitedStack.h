// Running code with little stack left, for tests that check how much of
// the stack deeply nested input takes.
#pragma once

#include <cstddef>
#include <functional>

// Runs 'work' on a thread of its own with a stack of the main thread's size
// (1 MB) of which no more than 'stackBytes' are left, and expects it to
// complete without an exception. A thread that runs out of stack ends there
// (under Wine, with exit code 0): it never completes.
void RunWithStackLeft(std::size_t stackBytes, const std::function<void()>& work);
