// Every wait of the end-to-end tests has a time limit, so that a program that
// hangs fails the test at hand instead of blocking the whole run.
#pragma once

#include <chrono>
#include <functional>

namespace e2e {

using Milliseconds = std::chrono::milliseconds;

// Generous, because the first start of a program in a fresh Wine prefix is slow;
// a wait that succeeds ends as soon as its condition holds.
constexpr Milliseconds kTimeout{15000};

// Polls the condition until it holds (true) or the time is up (false).
bool WaitUntil(const std::function<bool()>& condition, Milliseconds timeout = kTimeout);

} // namespace e2e
