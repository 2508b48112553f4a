// The student's changes to a window's record, switches and code edits
// alike, to step back and forth through. Plain data, no window system.
#pragma once

#include "ViewState.h"

#include <cstddef>
#include <vector>

class EditHistory
{
public:
    // A change from before to after. One with the same non-zero group as the
    // last folds into it (a drag, a run of typing); a change of the viewport
    // or the angles alone is no step.
    void Add(const ViewState& before, const ViewState& after, int group = 0);
    // now with the last change taken back, or the next one made again; false
    // when there is none. The viewport stays now's, and so do the angles
    // unless the step itself changed them: the cube goes on turning.
    bool Undo(const ViewState& now, ViewState& out);
    bool Redo(const ViewState& now, ViewState& out);
    void Clear();

    static constexpr std::size_t kMostSteps = 1000;

private:
    struct Step
    {
        ViewState before, after;
        int group;
    };
    static ViewState Taken(const ViewState& now, const ViewState& from, const ViewState& to);

    std::vector<Step> m_steps;
    std::size_t m_done = 0;   // steps before this one are in force
};
