// The pane under the code that says why the chosen pixel of the shown
// picture has its colour: the steps of its working-out, titles in bold. A
// click on a step marks the lines of the code it comes from.
#pragma once

#include "PixelSteps.h"

#include <wx/stc/stc.h>

#include <string>
#include <vector>

class CCodeView;
class COpenGLWnd;

class CPixelPane : public wxStyledTextCtrl
{
public:
    CPixelPane(wxWindow* parent, CCodeView* code);

    // Works view's chosen pixel out again and shows its steps if they
    // changed; false when view has no chosen pixel.
    bool Follow(const COpenGLWnd& view);

    const std::vector<PixelStep>& Steps() const { return m_steps; }
    // The step whose title or text is at line (from 0) of the pane, or -1.
    int StepAtLine(int line) const;
    // The pane's line that shows step's title.
    int TitleLine(int step) const;
    // Marks the code's lines of step (-1: none) and shows the first.
    void ChooseStep(int step);
    int ChosenStep() const { return m_chosen; }
    // The code's lines (from 0) marked for the chosen step.
    std::vector<int> MarkedCodeLines() const;

    static constexpr int kCodeMarker = 2;   // the code view's own are 0 and 1

private:
    void ShowSteps(const std::vector<PixelStep>& steps);
    void MarkCode();
    void OnClick(wxMouseEvent& event);

    CCodeView* m_code;
    std::vector<PixelStep> m_steps;
    std::vector<int> m_titleLines;   // one per step, then the line after the last
    std::string m_text;              // what the pane shows, in UTF-8
    std::string m_markedIn;          // the code's text when its lines were marked
    int m_chosen = -1;
};
