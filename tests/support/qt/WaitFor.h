#pragma once
// Tests wait for what they expect, never for a length of time: the event loop runs until the
// condition holds. The deadline only bounds a failing test, so it is generous: the suites run
// on machines busy with other work.

#include <functional>

inline constexpr int kWaitMs = 20000;

// Runs events until the condition holds; false when the deadline passes first.
bool waitFor(const std::function<bool()>& condition, int timeoutMs = kWaitMs);
