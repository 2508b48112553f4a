// The code view's editing gestures: typing told in runs, numbers dragged and
// stepped by keys, glEnable and glDisable toggled by a double-click, and the
// undo keys handed on.
#include "CCodeView.h"
#include "NumberStep.h"

#include <wx/cursor.h>

#include <algorithm>

void CCodeView::BindEditing()
{
    // Whatever reaches the control by another way does nothing either.
    CmdKeyClear('Z', wxSTC_KEYMOD_CTRL);
    CmdKeyClear('Y', wxSTC_KEYMOD_CTRL);
    CmdKeyClear('Z', wxSTC_KEYMOD_CTRL | wxSTC_KEYMOD_SHIFT);
    Bind(wxEVT_STC_MODIFIED, &CCodeView::OnModified, this);
    Bind(wxEVT_KEY_DOWN, &CCodeView::OnKeyDown, this);
    Bind(wxEVT_LEFT_DOWN, &CCodeView::OnLeftDown, this);
    Bind(wxEVT_MOTION, &CCodeView::OnMotion, this);
    Bind(wxEVT_LEFT_DCLICK, &CCodeView::OnDoubleClick, this);
    Bind(wxEVT_LEFT_UP, [this](wxMouseEvent& e) { m_drag.active ? EndDrag() : e.Skip(); });
    Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) { EndDrag(); });
}

std::string CCodeView::LineText(int line)
{
    const wxCharBuffer bytes = GetTextRangeRaw(PositionFromLine(line), GetLineEndPosition(line));
    return std::string(bytes.data(), bytes.length());
}

int CCodeView::NewGroup()
{
    m_typingGroup = -1;
    m_keys.active = false;
    return ++m_group;
}

// A change the user typed, pasted or deleted: one that goes on from where
// the last one ended on the same line belongs to its run.
void CCodeView::OnModified(wxStyledTextEvent& event)
{
    const int type = event.GetModificationType();
    if (m_replacing || m_stepping || !(type & (wxSTC_MOD_INSERTTEXT | wxSTC_MOD_DELETETEXT)))
        return;
    const bool insert = type & wxSTC_MOD_INSERTTEXT;
    const int pos = event.GetPosition(), length = event.GetLength(), line = LineFromPosition(pos);
    const bool goesOn = m_typingGroup >= 0 && line == m_typingLine &&
                        (insert ? pos == m_typingEnd : pos <= m_typingEnd && m_typingEnd <= pos + length);
    const int group = goesOn ? m_typingGroup : NewGroup();
    const bool newLine = insert && event.GetText().Find('\n') != wxNOT_FOUND;
    m_typingGroup = newLine ? -1 : group;
    m_typingLine = line;
    m_typingEnd = insert ? pos + length : pos;
    m_keys.active = false;
    QueueEdit(group);
}

// Told after the control has done with the change: the listener may show
// a new text, which the control does not take while it notifies.
void CCodeView::QueueEdit(int group)
{
    if (m_pending.empty())
        CallAfter(&CCodeView::FlushEdits);
    if (m_pending.empty() || m_pending.back() != group)
        m_pending.push_back(group);
}

void CCodeView::FlushEdits()
{
    const std::vector<int> groups = std::move(m_pending);
    m_pending.clear();
    for (int group : groups)
        if (onEdit)
            onEdit(group);
}

// An update that leaves the caret where typing left it keeps the run going.
void CCodeView::KeepTyping(int caretBefore)
{
    if (m_typingGroup < 0)
        return;
    if (caretBefore != m_typingEnd) {
        m_typingGroup = -1;
        return;
    }
    m_typingEnd = GetCurrentPos();
    m_typingLine = LineFromPosition(m_typingEnd);
}

void CCodeView::OnKeyDown(wxKeyEvent& event)
{
    const int key = event.GetKeyCode(), mods = event.GetModifiers();
    // The typing before a step is read first: it is the step's to undo.
    if ((key == 'Z' || key == 'Y') && (mods & wxMOD_CONTROL))
        FlushEdits();
    if (key == 'Z' && mods == wxMOD_CONTROL) {
        if (onUndo)
            onUndo();
    } else if ((key == 'Y' && mods == wxMOD_CONTROL) || (key == 'Z' && mods == (wxMOD_CONTROL | wxMOD_SHIFT))) {
        if (onRedo)
            onRedo();
    } else if ((key == WXK_UP || key == WXK_DOWN) && (mods == wxMOD_ALT || mods == (wxMOD_ALT | wxMOD_SHIFT))) {
        if (!StepAtCaret(key == WXK_UP ? 1 : -1, mods & wxMOD_SHIFT))
            event.Skip();
    } else {
        event.Skip();
    }
}

// The gesture on the number at pos, which is code, not comment; not active
// when there is none.
CCodeView::Drag CCodeView::NumberGesture(int pos, bool fine)
{
    Drag g;
    if (pos < 0)
        return g;
    const int line = LineFromPosition(pos), start = PositionFromLine(line), column = pos - start;
    const std::string text = LineText(line);
    const std::optional<LineEdit> number = NumberAt(text, column);
    if (!number || !CodeColours::IsCode(GetStyleAt(start + number->from)))
        return g;
    g.active = true, g.fine = fine, g.line = line;
    g.from = number->from, g.to = number->to, g.shown = number->text;
    g.caretFromEnd = number->to - column;
    g.origin = text, g.originColumn = column;
    return g;
}

// Presses on one number step from where the first one found it, so that
// fine steps do not add a digit each time.
bool CCodeView::StepAtCaret(int steps, bool fine)
{
    const int caret = GetCurrentPos(), line = LineFromPosition(caret), start = PositionFromLine(line);
    Drag& k = m_keys;
    const bool same = k.active && k.line == line && k.fine == fine && start + k.from <= caret &&
                      caret <= start + k.to &&
                      std::string(GetTextRangeRaw(start + k.from, start + k.to).data()) == k.shown;
    if (!same) {
        Drag g = NumberGesture(caret, fine);
        if (!g.active)
            return false;
        g.group = NewGroup();
        k = g;
    }
    ApplyStep(k, k.steps + steps);
    return true;
}

// The number put in at steps from where the gesture started; the caret
// stays as far from its end as it was.
void CCodeView::ApplyStep(Drag& step, long long steps)
{
    const std::optional<LineEdit> e = StepNumber(step.origin, step.originColumn, steps, step.fine);
    if (!e)
        return;
    step.steps = steps;
    const int start = PositionFromLine(step.line);
    Put(start + step.from, start + step.to, e->text);
    step.to = step.from + int(e->text.size());
    step.shown = e->text;
    // A drag puts the caret back when it ends: a caret moved on every step
    // would draw the text once more each time.
    if (&step != &m_drag)
        SetEmptySelection(start + std::max(step.from, step.to - step.caretFromEnd));
    if (onEdit)
        onEdit(step.group);
}

// A change of the view's own for the user: told by its caller at once, after
// the typing that came before it.
void CCodeView::Put(int from, int to, const std::string& text)
{
    FlushEdits();
    m_stepping = true;
    m_replacing = true;   // only what changed is drawn again, not the whole control
    Replace(from, to, wxString::FromUTF8(text));
    // Coloured now: styles found during the paint would make it start over, whole.
    Colourise(PositionFromLine(LineFromPosition(from)), GetLineEndPosition(LineFromPosition(from)));
    m_replacing = false;
    m_stepping = false;
    const wxPoint at = PointFromPosition(from);
    const wxRect changed(at.x, at.y, GetClientSize().x - at.x, TextHeight(LineFromPosition(from)));
    wxStyledTextCtrl::Refresh(false, &changed);
}

// A press on a number starts a drag of it rather than a selection.
void CCodeView::OnLeftDown(wxMouseEvent& event)
{
    event.Skip();
    if (event.ControlDown() || event.AltDown() || event.MetaDown())
        return;
    const Drag g = NumberGesture(PositionFromPointClose(event.GetX(), event.GetY()), event.ShiftDown());
    if (!g.active)
        return;
    event.Skip(false);
    StartDrag(g, event.GetX());
}

void CCodeView::StartDrag(const Drag& gesture, int x)
{
    EndDrag();
    const int group = NewGroup();
    m_drag = gesture;
    m_drag.group = group, m_drag.x = x;
    SetFocus();
    SetEmptySelection(PositionFromLine(m_drag.line) + m_drag.originColumn);
    CaptureMouse();
}

void CCodeView::OnMotion(wxMouseEvent& event)
{
    Drag& d = m_drag;
    if (d.active) {
        // Shift pressed or let go: the steps go on from the number as it is.
        if (event.ShiftDown() != d.fine) {
            d.fine = event.ShiftDown();
            d.origin = LineText(d.line), d.originColumn = d.from, d.x = event.GetX(), d.steps = 0;
            return;
        }
        const long long steps = (event.GetX() - d.x) / FromDIP(kPixelsPerStep);
        if (steps != d.steps)
            ApplyStep(d, steps);
        return;
    }
    if (!event.Dragging() && NumberGesture(PositionFromPointClose(event.GetX(), event.GetY()), false).active) {
        SetCursor(wxCursor(wxCURSOR_SIZEWE));
        m_overNumber = true;
        return;
    }
    // The control sets its own cursor only when it wants another one.
    if (m_overNumber)
        SetCursor(wxCursor(wxCURSOR_IBEAM));
    m_overNumber = false;
    event.Skip();
}

void CCodeView::EndDrag()
{
    if (!m_drag.active)
        return;
    m_drag.active = false;
    if (HasCapture())
        ReleaseMouse();
    // A double-click that did not move selects the number.
    const int start = PositionFromLine(m_drag.line);
    SetEmptySelection(start + std::max(m_drag.from, m_drag.to - m_drag.caretFromEnd));
    if (m_drag.selectOnRelease && m_drag.steps == 0)
        SetSelection(start + m_drag.from, start + m_drag.to);
    if (m_holding) {
        m_holding = false;
        ShowText(m_held, m_heldMark);
    }
}

// A double-click on glEnable or glDisable turns it into the other. On a
// number it starts a drag as a press does, so that quick drags one after
// another all drag; let go where it was, it selects the number.
void CCodeView::OnDoubleClick(wxMouseEvent& event)
{
    EndDrag();
    const int pos = PositionFromPointClose(event.GetX(), event.GetY());
    if (pos < 0 || event.ControlDown() || event.AltDown() || event.MetaDown()) {
        event.Skip();
        return;
    }
    const int start = PositionFromLine(LineFromPosition(pos));
    const std::optional<LineEdit> toggled = ToggleEnable(LineText(LineFromPosition(pos)), pos - start);
    const Drag number = NumberGesture(pos, event.ShiftDown());
    if (toggled && CodeColours::IsCode(GetStyleAt(start + toggled->from))) {
        const int group = NewGroup();
        Put(start + toggled->from, start + toggled->to, toggled->text);
        SetEmptySelection(std::min(pos, start + toggled->from + int(toggled->text.size())));
        if (onEdit)
            onEdit(group);
    } else if (number.active) {
        StartDrag(number, event.GetX());
        m_drag.selectOnRelease = true;
    } else {
        event.Skip();
    }
}
