// A repeating timer that keeps to a fixed schedule. The GTK main loop wakes
// up to a millisecond or so late for every timeout, and a plain repeating
// wxTimer adds those delays up: at 10 ms it loses about 8 ticks a second.
// Re-arming one-shot against the schedule keeps the average period exact.
#pragma once

#include <wx/timer.h>

#include <algorithm>
#include <chrono>

class PacedTimer : public wxTimer
{
public:
    using wxTimer::wxTimer;

    // Starts, or restarts, the period from now.
    void StartPaced(int periodMs)
    {
        m_period = std::chrono::milliseconds(periodMs);
        m_next = Clock::now() + m_period;
        StartOnce(periodMs);
    }

    void Notify() override
    {
        // Re-armed first, so that the owner sees the timer running and may stop it.
        m_next += m_period;
        const auto now = Clock::now();
        // Once far behind, start afresh rather than burst to catch up.
        m_next = std::max(m_next, now);
        const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(m_next - now);
        StartOnce(static_cast<int>(wait.count()));
        wxTimer::Notify();
    }

private:
    using Clock = std::chrono::steady_clock;
    Clock::duration m_period{};
    Clock::time_point m_next{};
};
