// The user's gestures on a code view: typing told in runs, numbers dragged
// and stepped by Alt+Up/Down, glEnable and glDisable toggled by a
// double-click, and the undo keys handed on.
#pragma once

#include <wx/stc/stc.h>

#include <string>
#include <vector>

class CodeGestures
{
public:
    // What the gestures need of the view they are on besides its control.
    class View
    {
    public:
        // The view is changing its text itself: the changes are not the user's.
        virtual bool IsUpdating() const = 0;
        // Replaces bytes [from, to) of the text for the user.
        virtual void PutForUser(int from, int to, const std::string& text) = 0;
        // After each change the user made; changes of one gesture share group.
        virtual void OnGestureEdit(int group) = 0;
        virtual void OnUndoKey() = 0;
        virtual void OnRedoKey() = 0;
        // A drag of a number ended: what the view held off may be shown now.
        virtual void OnDragEnded() = 0;

    protected:
        ~View() = default;
    };

    // Takes the control's mouse, keys and changes.
    CodeGestures(wxStyledTextCtrl& text, View& view);

    bool IsDragging() const { return m_drag.active; }
    int DraggedLine() const { return m_drag.line; }
    // After an update: one that leaves the caret where typing left it keeps
    // the run going.
    void KeepTyping(int caretBefore);

    static constexpr int kPixelsPerStep = 3;   // of a drag, in DIPs

private:
    struct Drag
    {
        bool active = false, fine = false, selectOnRelease = false;
        int line = 0, from = 0, to = 0;   // the number's bytes in the line now
        int caretFromEnd = 0;
        std::string origin;               // the line as the steps start from
        int originColumn = 0, x = 0;      // and the pointer's x then
        long long steps = 0;
        int group = 0;
        std::string shown;                // the number's text now
    };
    std::string LineText(int line);
    bool InCode(int pos);
    int NewGroup();
    void OnModified(wxStyledTextEvent& event);
    void QueueEdit(int group);
    void FlushEdits();
    void OnKeyDown(wxKeyEvent& event);
    bool StepAtCaret(int steps, bool fine);
    void OnLeftDown(wxMouseEvent& event);
    Drag NumberGesture(int pos, bool fine);
    void StartDrag(const Drag& gesture, int x);
    void OnMotion(wxMouseEvent& event);
    void OnDoubleClick(wxMouseEvent& event);
    void EndDrag();
    void ApplyStep(Drag& step, long long steps);
    void Put(int from, int to, const std::string& text);

    wxStyledTextCtrl& m_text;
    View& m_view;
    Drag m_drag, m_keys;            // m_keys: Alt+Up/Down presses on one number
    int m_group = 0;
    int m_typingGroup = -1, m_typingLine = -1, m_typingEnd = -1;
    std::vector<int> m_pending;     // groups of typing not yet told
    bool m_overNumber = false;
};
