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

    // needsContext: the call must run with the window's context current;
    // otherwise it waits only for the set-up.
    void Keep(Call call, bool needsContext) { m_calls.push_back({std::move(call), needsContext}); }
    void Clear() { m_calls.clear(); }

    // Hands every kept call, in call order, to run(call, needsContext),
    // which may keep it again.
    template <class Run>
    void Replay(Run run)
    {
        std::vector<Kept> calls;
        calls.swap(m_calls);
        for (Kept& k : calls)
            run(std::move(k.call), k.needsContext);
    }

private:
    struct Kept
    {
        Call call;
        bool needsContext;
    };
    std::vector<Kept> m_calls;
};
