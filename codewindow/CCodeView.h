// The code as an editor shows it: C colouring (CodeColours), line numbers,
// and the lines that an update changed marked in the margin and tinted for a
// while. Updates replace only the lines that differ. The user edits the
// numbers as well as the text (CodeGestures): dragging one sideways, Alt+Up
// and Alt+Down, and a double-click turns glEnable into glDisable and back.
// The control keeps no history of its own: undo and redo go to whoever keeps
// the edits.
#pragma once

#include "CodeColours.h"
#include "CodeGestures.h"
#include "LineDifferences.h"
#include "TextSync.h"

#include <wx/stc/stc.h>
#include <wx/timer.h>

#include <functional>
#include <string>
#include <vector>

class CCodeView : public wxStyledTextCtrl, private CodeGestures::View
{
public:
    explicit CCodeView(wxWindow* parent);

    // Shows text, replacing only the lines that differ, so that the caret,
    // the selection and the scroll position stay where they are. With
    // markFrom, the text as it would be without the change to show, the new
    // lines that markFrom does not have are marked for kMarkMs instead of
    // whatever was marked.
    void ShowText(const wxString& text, const wxString& markFrom = wxString());
    // Carries out edits in order, each where it stands, keeping the caret,
    // the selection and the scroll position; the lines of marked edits are
    // marked for kMarkMs instead of whatever was marked.
    void ApplyEdits(const std::vector<TextEdit>& edits);
    // The text as bytes of UTF-8, as the edits count them.
    std::string Bytes();
    // The caret, or the selection.
    Span Keep();
    // The lines marked now, counted from 0.
    std::vector<int> MarkedLines();

    // Called after each change the user made (typing, a paste, a deletion, a
    // drag step, Alt+Up/Down, a toggle), never after ShowText. Changes of one
    // gesture share group: a drag from press to release, a run of typing on
    // one line, Alt+Up/Down presses on one number; a new gesture a new group.
    std::function<void(int group)> onEdit;
    // Ctrl+Z; Ctrl+Y and Ctrl+Shift+Z.
    std::function<void()> onUndo, onRedo;

    // Underlines length bytes from offset, bytes of the text's UTF-8 (at
    // least one character), until ClearError or the next ShowText.
    void ShowError(int offset, int length) { m_colours.ShowError(offset, length); }
    void ClearError() { m_colours.ClearError(); }
    // While a number is dragged, ShowText keeps the dragged line as the drag
    // has it; a text with other lines holds off until the release.
    bool IsDraggingNumber() const { return m_gestures.IsDragging(); }

    static constexpr int kMarkMs = 2000;
    static constexpr int kPixelsPerStep = CodeGestures::kPixelsPerStep;
    static constexpr int kErrorIndicator = CodeColours::kErrorIndicator;

    void Refresh(bool eraseBackground = true, const wxRect* rect = nullptr) override;

private:
    // Where an update finds the view, to leave it there.
    struct Place
    {
        int top, left, caret;
    };

    void SetUpMarks();
    bool HoldForDrag(const wxString& text, const wxString& markFrom, const std::vector<wxString>& now,
                     std::vector<wxString>& next);
    void ReplaceStretch(const LineStretch& s, int nowLines, const std::vector<wxString>& next);
    void MarkNew(const std::vector<LineStretch>& stretches, const std::vector<wxString>& next,
                 const wxString& markFrom);
    Place KeepPlace();
    void PutBack(const Place& place);
    void ColourNow(int from, int to);
    void Replace(int from, int to, const wxString& text);
    void RefreshLines(int from, int to);
    void Mark(int line);
    void Unmark();
    void ReplaceKeepingCaret(int from, int to, const wxString& text);

    // What the gestures ask of the view, in CCodeView.cpp.
    bool IsUpdating() const override { return m_replacing; }
    void PutForUser(int from, int to, const std::string& text) override;
    void OnGestureEdit(int group) override;
    void OnUndoKey() override;
    void OnRedoKey() override;
    void OnDragEnded() override;

    wxString m_held, m_heldMark;    // a ShowText held off by a drag
    bool m_holding = false;
    wxTimer m_unmark;
    bool m_replacing = false;
    bool m_marked = false;
    CodeColours m_colours;   // before the margins, which are measured in its font
    CodeGestures m_gestures;
};
