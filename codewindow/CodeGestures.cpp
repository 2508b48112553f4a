#include "CodeGestures.h"

#include "CodeColours.h"
#include "NumberStep.h"

#include <wx/cursor.h>

#include <algorithm>

CodeGestures::CodeGestures(wxStyledTextCtrl& text, View& view)
    : m_text(text), m_view(view)
{
    // Whatever reaches the control by another way does nothing either.
    m_text.CmdKeyClear('Z', wxSTC_KEYMOD_CTRL);
    m_text.CmdKeyClear('Y', wxSTC_KEYMOD_CTRL);
    m_text.CmdKeyClear('Z', wxSTC_KEYMOD_CTRL | wxSTC_KEYMOD_SHIFT);
    m_text.Bind(wxEVT_STC_MODIFIED, &CodeGestures::OnModified, this);
    m_text.Bind(wxEVT_KEY_DOWN, &CodeGestures::OnKeyDown, this);
    m_text.Bind(wxEVT_LEFT_DOWN, &CodeGestures::OnLeftDown, this);
    m_text.Bind(wxEVT_MOTION, &CodeGestures::OnMotion, this);
    m_text.Bind(wxEVT_LEFT_DCLICK, &CodeGestures::OnDoubleClick, this);
    m_text.Bind(wxEVT_LEFT_UP, [this](wxMouseEvent& e) { m_drag.active ? EndDrag() : e.Skip(); });
    m_text.Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) { EndDrag(); });
}

std::string CodeGestures::LineText(int line)
{
    const wxCharBuffer bytes = m_text.GetTextRangeRaw(m_text.PositionFromLine(line), m_text.GetLineEndPosition(line));
    return std::string(bytes.data(), bytes.length());
}

bool CodeGestures::InCode(int pos) { return CodeColours::IsCode(m_text.GetStyleAt(pos)); }

int CodeGestures::NewGroup()
{
    m_typingGroup = -1;
    m_keys.active = false;
    return ++m_group;
}

// A change the user typed, pasted or deleted: one that goes on from where
// the last one ended on the same line belongs to its run.
void CodeGestures::OnModified(wxStyledTextEvent& event)
{
    const int type = event.GetModificationType();
    if (m_view.IsUpdating() || !(type & (wxSTC_MOD_INSERTTEXT | wxSTC_MOD_DELETETEXT)))
        return;
    const bool insert = type & wxSTC_MOD_INSERTTEXT;
    const int pos = event.GetPosition(), length = event.GetLength(), line = m_text.LineFromPosition(pos);
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
void CodeGestures::QueueEdit(int group)
{
    if (m_pending.empty())
        m_text.CallAfter([this] { FlushEdits(); });
    if (m_pending.empty() || m_pending.back() != group)
        m_pending.push_back(group);
}

void CodeGestures::FlushEdits()
{
    const std::vector<int> groups = std::move(m_pending);
    m_pending.clear();
    for (int group : groups)
        m_view.OnGestureEdit(group);
}

// An update that leaves the caret where typing left it keeps the run going.
void CodeGestures::KeepTyping(int caretBefore)
{
    if (m_typingGroup < 0)
        return;
    if (caretBefore != m_typingEnd) {
        m_typingGroup = -1;
        return;
    }
    m_typingEnd = m_text.GetCurrentPos();
    m_typingLine = m_text.LineFromPosition(m_typingEnd);
}

void CodeGestures::OnKeyDown(wxKeyEvent& event)
{
    const int key = event.GetKeyCode(), mods = event.GetModifiers();
    // The typing before a step is read first: it is the step's to undo.
    if ((key == 'Z' || key == 'Y') && (mods & wxMOD_CONTROL))
        FlushEdits();
    if (key == 'Z' && mods == wxMOD_CONTROL) {
        m_view.OnUndoKey();
    } else if ((key == 'Y' && mods == wxMOD_CONTROL) || (key == 'Z' && mods == (wxMOD_CONTROL | wxMOD_SHIFT))) {
        m_view.OnRedoKey();
    } else if ((key == WXK_UP || key == WXK_DOWN) && (mods == wxMOD_ALT || mods == (wxMOD_ALT | wxMOD_SHIFT))) {
        if (!StepAtCaret(key == WXK_UP ? 1 : -1, mods & wxMOD_SHIFT))
            event.Skip();
    } else {
        event.Skip();
    }
}

// The gesture on the number at pos, which is code, not comment; not active
// when there is none.
CodeGestures::Drag CodeGestures::NumberGesture(int pos, bool fine)
{
    Drag g;
    if (pos < 0)
        return g;
    const int line = m_text.LineFromPosition(pos), start = m_text.PositionFromLine(line), column = pos - start;
    const std::string text = LineText(line);
    const std::optional<LineEdit> number = NumberAt(text, column);
    if (!number || !InCode(start + number->from))
        return g;
    g.active = true, g.fine = fine, g.line = line;
    g.from = number->from, g.to = number->to, g.shown = number->text;
    g.caretFromEnd = number->to - column;
    g.origin = text, g.originColumn = column;
    return g;
}

// Presses on one number step from where the first one found it, so that
// fine steps do not add a digit each time.
bool CodeGestures::StepAtCaret(int steps, bool fine)
{
    const int caret = m_text.GetCurrentPos(), line = m_text.LineFromPosition(caret);
    const int start = m_text.PositionFromLine(line);
    Drag& k = m_keys;
    const bool same = k.active && k.line == line && k.fine == fine && start + k.from <= caret &&
                      caret <= start + k.to &&
                      std::string(m_text.GetTextRangeRaw(start + k.from, start + k.to).data()) == k.shown;
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
void CodeGestures::ApplyStep(Drag& step, long long steps)
{
    const std::optional<LineEdit> e = StepNumber(step.origin, step.originColumn, steps, step.fine);
    if (!e)
        return;
    step.steps = steps;
    const int start = m_text.PositionFromLine(step.line);
    Put(start + step.from, start + step.to, e->text);
    step.to = step.from + int(e->text.size());
    step.shown = e->text;
    // A drag puts the caret back when it ends: a caret moved on every step
    // would draw the text once more each time.
    if (&step != &m_drag)
        m_text.SetEmptySelection(start + std::max(step.from, step.to - step.caretFromEnd));
    m_view.OnGestureEdit(step.group);
}

// A change of the gestures' own, told by its caller at once: the typing
// before it is told first.
void CodeGestures::Put(int from, int to, const std::string& text)
{
    FlushEdits();
    m_view.PutForUser(from, to, text);
}

// A press on a number starts a drag of it rather than a selection.
void CodeGestures::OnLeftDown(wxMouseEvent& event)
{
    event.Skip();
    if (event.ControlDown() || event.AltDown() || event.MetaDown())
        return;
    const Drag g = NumberGesture(m_text.PositionFromPointClose(event.GetX(), event.GetY()), event.ShiftDown());
    if (!g.active)
        return;
    event.Skip(false);
    StartDrag(g, event.GetX());
}

void CodeGestures::StartDrag(const Drag& gesture, int x)
{
    EndDrag();
    const int group = NewGroup();
    m_drag = gesture;
    m_drag.group = group, m_drag.x = x;
    m_text.SetFocus();
    m_text.SetEmptySelection(m_text.PositionFromLine(m_drag.line) + m_drag.originColumn);
    m_text.CaptureMouse();
}

void CodeGestures::OnMotion(wxMouseEvent& event)
{
    Drag& d = m_drag;
    if (d.active) {
        // Shift pressed or let go: the steps go on from the number as it is.
        if (event.ShiftDown() != d.fine) {
            d.fine = event.ShiftDown();
            d.origin = LineText(d.line), d.originColumn = d.from, d.x = event.GetX(), d.steps = 0;
            return;
        }
        const long long steps = (event.GetX() - d.x) / m_text.FromDIP(kPixelsPerStep);
        if (steps != d.steps)
            ApplyStep(d, steps);
        return;
    }
    if (!event.Dragging() && NumberGesture(m_text.PositionFromPointClose(event.GetX(), event.GetY()), false).active) {
        m_text.SetCursor(wxCursor(wxCURSOR_SIZEWE));
        m_overNumber = true;
        return;
    }
    // The control sets its own cursor only when it wants another one.
    if (m_overNumber)
        m_text.SetCursor(wxCursor(wxCURSOR_IBEAM));
    m_overNumber = false;
    event.Skip();
}

void CodeGestures::EndDrag()
{
    if (!m_drag.active)
        return;
    m_drag.active = false;
    if (m_text.HasCapture())
        m_text.ReleaseMouse();
    // A double-click that did not move selects the number.
    const int start = m_text.PositionFromLine(m_drag.line);
    m_text.SetEmptySelection(start + std::max(m_drag.from, m_drag.to - m_drag.caretFromEnd));
    if (m_drag.selectOnRelease && m_drag.steps == 0)
        m_text.SetSelection(start + m_drag.from, start + m_drag.to);
    m_view.OnDragEnded();
}

// A double-click on glEnable or glDisable turns it into the other. On a
// number it starts a drag as a press does, so that quick drags one after
// another all drag; let go where it was, it selects the number.
void CodeGestures::OnDoubleClick(wxMouseEvent& event)
{
    EndDrag();
    const int pos = m_text.PositionFromPointClose(event.GetX(), event.GetY());
    if (pos < 0 || event.ControlDown() || event.AltDown() || event.MetaDown()) {
        event.Skip();
        return;
    }
    const int start = m_text.PositionFromLine(m_text.LineFromPosition(pos));
    const std::optional<LineEdit> toggled = ToggleEnable(LineText(m_text.LineFromPosition(pos)), pos - start);
    const Drag number = NumberGesture(pos, event.ShiftDown());
    if (toggled && InCode(start + toggled->from)) {
        const int group = NewGroup();
        Put(start + toggled->from, start + toggled->to, toggled->text);
        m_text.SetEmptySelection(std::min(pos, start + toggled->from + int(toggled->text.size())));
        m_view.OnGestureEdit(group);
    } else if (number.active) {
        StartDrag(number, event.GetX());
        m_drag.selectOnRelease = true;
    } else {
        event.Skip();
    }
}
