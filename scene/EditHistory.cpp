#include "EditHistory.h"

namespace {

// s with the viewport of like: the window's size is never a step.
ViewState WithViewport(ViewState s, const ViewState& like)
{
    s.width = like.width;
    s.height = like.height;
    s.pixelScale = like.pixelScale;
    s.aspect = like.aspect;
    return s;
}

ViewState WithAngles(ViewState s, const ViewState& like)
{
    s.angleX = like.angleX;
    s.angleY = like.angleY;
    return s;
}

}

void EditHistory::Add(const ViewState& before, const ViewState& after, int group)
{
    const bool settings = WithAngles(WithViewport(after, before), before) != before;
    const bool turned = after.angleX != before.angleX || after.angleY != before.angleY;
    // The turning and the window's size are no steps; an edit of the angles is.
    if (!settings && !(turned && group != 0))
        return;
    m_steps.resize(m_done);
    if (group != 0 && !m_steps.empty() && m_steps.back().group == group) {
        m_steps.back().after = after;
        return;
    }
    if (m_steps.size() == kMostSteps)
        m_steps.erase(m_steps.begin());
    m_steps.push_back({before, after, group});
    m_done = m_steps.size();
}

ViewState EditHistory::Taken(const ViewState& now, const ViewState& from, const ViewState& to)
{
    const bool turned = from.angleX != to.angleX || from.angleY != to.angleY;
    return WithViewport(turned ? to : WithAngles(to, now), now);
}

bool EditHistory::Undo(const ViewState& now, ViewState& out)
{
    if (m_done == 0)
        return false;
    const Step& step = m_steps[--m_done];
    out = Taken(now, step.after, step.before);
    return true;
}

bool EditHistory::Redo(const ViewState& now, ViewState& out)
{
    if (m_done == m_steps.size())
        return false;
    const Step& step = m_steps[m_done++];
    out = Taken(now, step.before, step.after);
    return true;
}

void EditHistory::Clear()
{
    m_steps.clear();
    m_done = 0;
}
