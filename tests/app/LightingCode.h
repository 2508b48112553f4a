// The lighting page's code window on the sheet as the program shows it,
// worked with real clicks and keys through the X server; the code read back
// from the control's own text and from what another program pastes.
#pragma once

#include "OtherProgram.h"
#include "ResourceIds.h"
#include "ShownSheet.h"

#include <wx/checkbox.h>

struct LightingCode : ShownSheet
{
    explicit LightingCode(size_t page = 1)
    {
        glview = ShowPage(page);
        // Still unless a test turns it: the fog note above glFogf changes
        // length as the cube turns, and would move a click aimed at a number.
        glview->SetAngles(30, -40);
        w = sheet.OpenCodeWindow();
        code = w->CodeView();
        PumpEvents(300);
    }
    wxString Text() { return code->GetText(); }
    // Waits for the code to say what.
    bool Says(const wxString& what, int ms = 3000)
    {
        return PumpEvents(ms, [&] { return Text().Find(what) != wxNOT_FOUND; });
    }
    // The byte position of what; the control counts bytes.
    int PositionOf(const wxString& what) { return int(Text().Left(Text().Find(what)).utf8_str().length()); }
    // The point of byte position pos in the control, scrolled into view.
    wxPoint PointOf(int pos)
    {
        code->ScrollToLine(std::max(0, code->LineFromPosition(pos) - 3));
        PumpEvents(100);
        return code->PointFromPosition(pos) + wxPoint(2, code->TextHeight(0) / 2);
    }
    // A real click just before the text that follows `before`.
    void ClickAfter(const wxString& before)
    {
        ClickOn(code, PointOf(PositionOf(before) + int(before.utf8_str().length())) - wxPoint(3, 0));
        Settle();
    }
    // That click, then Shift+Right over length characters, or over the number there.
    void SelectAfter(const wxString& before, int length = -1)
    {
        const wxString rest = Text().Mid(Text().Find(before) + before.length());
        ClickAfter(before);
        for (int i = 0; length < 0 ? i < int(rest.length()) && (wxIsdigit(rest[i]) || wxString(".f-").Find(rest[i]) != wxNOT_FOUND)
                                   : i < length; ++i)
            Input().Char(WXK_RIGHT, wxMOD_SHIFT);
        Settle();
    }
    // Text pasted from another program over the selection: taken at once.
    void PasteOver(const wxString& before, int length, const std::string& text)
    {
        OutputOf("printf %s '" + text + "' | xclip -selection clipboard > /dev/null 2>&1");
        SelectAfter(before, length);
        Input().Char('v', wxMOD_CONTROL);
        Settle();
        PumpEvents(100);
    }
    // A real double-click on the call that starts with what.
    void DoubleClickOn(const wxString& what)
    {
        ASSERT_TRUE(Says(what));
        ClickOn(code, PointOf(PositionOf(what) + 3), wxMOUSE_BTN_LEFT, true);
        Settle();
    }
    // "Копировать" clicked, the clipboard read by another program.
    std::string Copied()
    {
        OutputOf(kEmptyClipboard);
        ClickOn(Button(w, wxID_COPY));
        return OtherProgramsClipboard();
    }
    wxCheckBox* Box(int id) { return Control<wxCheckBox>(1, id); }

    COpenGLWnd* glview = nullptr;
    CCodeWindow* w = nullptr;
    CCodeView* code = nullptr;
};
