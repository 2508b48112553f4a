// Helpers for GUI tests that run real windows under X (Xvfb in CI).
#pragma once

#include <functional>

// Runs the event loop for ms milliseconds, or until done() holds.
// Returns whether done() held (always true without a condition).
bool PumpEvents(int ms, const std::function<bool()>& done = nullptr);
