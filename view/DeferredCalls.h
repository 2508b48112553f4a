// The switches a window cannot run yet. The rule: switches made before the
// window's first show are replayed at its OpenGL set-up, in call order. After
// the set-up, a switch made while another window's context is current waits
// until this window's context is made current again.
#pragma once

#include <functional>
#include <utility>
#include <vector>

class DeferredCalls
{
public:
    using Call = std::function<void()>;

    // Each call must run with the window's context current.
    void Keep(Call call) { m_calls.push_back(std::move(call)); }
    void Clear() { m_calls.clear(); }

    // Hands every kept call, in call order, to run(call), which may keep it again.
    template <class Run>
    void Replay(Run run)
    {
        std::vector<Call> calls;
        calls.swap(m_calls);
        for (Call& call : calls)
            run(std::move(call));
    }

private:
    std::vector<Call> m_calls;
};
