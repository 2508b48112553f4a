#include "CCodeView.h"

#include <algorithm>
#include <set>

namespace {

enum Marker { kMarkerMargin, kMarkerTint };
enum Margin { kMarginNumbers, kMarginMarks };

}

CCodeView::CCodeView(wxWindow* parent)
    : wxStyledTextCtrl(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxBORDER_THEME),
      m_colours(*this), m_gestures(*this, *this)
{
    SetUpMarks();
    // The history of edits is kept outside, with the switches' changes.
    SetUndoCollection(false);
    // A steady caret: a blinking one would redraw the window all along.
    SetCaretPeriod(0);
    // Every line keeps its layout: an update lays out only the lines it changed.
    SetLayoutCache(wxSTC_CACHE_DOCUMENT);
    SetScrollWidthTracking(true);
    SetScrollWidth(1);
    m_unmark.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { Unmark(); });
}

void CCodeView::SetUpMarks()
{
    SetMarginType(kMarginNumbers, wxSTC_MARGIN_NUMBER);
    SetMarginWidth(kMarginNumbers, TextWidth(wxSTC_STYLE_LINENUMBER, "_999"));
    SetMarginType(kMarginMarks, wxSTC_MARGIN_SYMBOL);
    SetMarginMask(kMarginMarks, 1 << kMarkerMargin);
    SetMarginWidth(kMarginMarks, FromDIP(10));
    MarkerDefine(kMarkerMargin, wxSTC_MARK_LEFTRECT, wxColour(0xe0, 0x80, 0x00), wxColour(0xe0, 0x80, 0x00));
    MarkerDefine(kMarkerTint, wxSTC_MARK_BACKGROUND, wxNullColour, wxColour(0xff, 0xf0, 0xc0));
}

void CCodeView::ShowText(const wxString& text, const wxString& markFrom)
{
    ClearError();
    const std::vector<wxString> now = TextLines(GetText());
    std::vector<wxString> next = TextLines(text);
    if (HoldForDrag(text, markFrom, now, next))
        return;
    const std::vector<LineStretch> stretches = LineDifferences(now, next);
    if (stretches.empty())
        return;
    m_colours.KeepWordLists(text);
    const Place place = KeepPlace();
    m_replacing = true;
    // Bottom up, so that the lines above each stretch are still where they were.
    for (auto s = stretches.rbegin(); s != stretches.rend(); ++s)
        ReplaceStretch(*s, int(now.size()), next);
    ColourNow(PositionFromLine(stretches.front().nextFrom), -1);
    m_replacing = false;
    PutBack(place);
    for (const LineStretch& s : stretches) {
        // Lines that moved up or down are drawn again to the bottom.
        const bool moved = s.nowTo - s.nowFrom != s.nextTo - s.nextFrom;
        RefreshLines(s.nextFrom, moved ? GetLineCount() : std::max(s.nextTo, s.nextFrom + 1));
    }
    if (!markFrom.empty())
        MarkNew(stretches, next, markFrom);
}

// The dragged line is the drag's until the release; a text with other lines
// is held whole until then.
bool CCodeView::HoldForDrag(const wxString& text, const wxString& markFrom, const std::vector<wxString>& now,
                            std::vector<wxString>& next)
{
    if (!m_gestures.IsDragging())
        return false;
    m_holding = next.size() != now.size();
    if (m_holding) {
        m_held = text, m_heldMark = markFrom;
        return true;
    }
    next[m_gestures.DraggedLine()] = now[m_gestures.DraggedLine()];
    return false;
}

void CCodeView::ReplaceStretch(const LineStretch& s, int nowLines, const std::vector<wxString>& next)
{
    if (s.nowTo - s.nowFrom == s.nextTo - s.nextFrom) {
        // Line by line, each within its line: its marks stay on it.
        for (int k = 0; k < s.nowTo - s.nowFrom; ++k)
            ReplaceKeepingCaret(PositionFromLine(s.nowFrom + k), GetLineEndPosition(s.nowFrom + k),
                                next[s.nextFrom + k]);
        return;
    }
    wxString lines;
    for (int line = s.nextFrom; line < s.nextTo; ++line)
        lines << next[line] << (line + 1 < int(next.size()) ? "\n" : "");
    // At the end the line break goes before the lines, not after them.
    if (s.nowFrom == nowLines) {
        Replace(GetLength(), GetLength(), "\n" + lines);
        return;
    }
    const bool toEnd = s.nowTo == nowLines;
    const int from = toEnd && lines.empty() && s.nowFrom > 0 ? GetLineEndPosition(s.nowFrom - 1)
                                                              : PositionFromLine(s.nowFrom);
    Replace(from, toEnd ? GetLength() : PositionFromLine(s.nowTo), lines);
}

// The new lines that markFrom does not have.
void CCodeView::MarkNew(const std::vector<LineStretch>& stretches, const std::vector<wxString>& next,
                        const wxString& markFrom)
{
    Unmark();
    const std::vector<wxString> before = TextLines(markFrom);
    const std::set<wxString> had(before.begin(), before.end());
    for (const LineStretch& s : stretches)
        for (int line = s.nextFrom; line < s.nextTo; ++line)
            if (!had.count(next[line]))
                Mark(line);
}

CCodeView::Place CCodeView::KeepPlace()
{
    return Place{GetFirstVisibleLine(), GetXOffset(), GetCurrentPos()};
}

// Back where the update found the view: scrolled as it was, the typing run
// going on if the caret is where the run left it.
void CCodeView::PutBack(const Place& place)
{
    m_gestures.KeepTyping(place.caret);
    if (GetFirstVisibleLine() != place.top)
        SetFirstVisibleLine(place.top);
    if (GetXOffset() != place.left)
        SetXOffset(place.left);
}

// Styles found during the paint would make the control colour again from
// there to the end, and draw all of it.
void CCodeView::ColourNow(int from, int to)
{
    Colourise(from, to);
}

// The control draws the whole of itself again after any change of the text,
// which costs more than the frames of the picture; while an update replaces
// lines, only what they cover is drawn (RefreshLines).
void CCodeView::Refresh(bool eraseBackground, const wxRect* rect)
{
    if (!m_replacing)
        wxStyledTextCtrl::Refresh(eraseBackground, rect);
}

void CCodeView::RefreshLines(int from, int to)
{
    const int height = TextHeight(0), first = GetFirstVisibleLine();
    const int top = std::max(from, first), bottom = std::min(to, first + LinesOnScreen() + 1);
    if (top >= bottom)
        return;
    const wxRect lines(0, (top - first) * height, GetClientSize().x, (bottom - top) * height);
    wxStyledTextCtrl::Refresh(false, &lines);
}

void CCodeView::Replace(int from, int to, const wxString& text)
{
    SetTargetStart(from);
    SetTargetEnd(to);
    ReplaceTarget(text);
}

// A line replaced within itself keeps the caret at its column, or at the
// line's end when the line got shorter.
void CCodeView::ReplaceKeepingCaret(int from, int to, const wxString& text)
{
    const int caret = GetCurrentPos(), anchor = GetAnchor();
    Replace(from, to, text);
    if (caret < from || caret > to || anchor != caret)
        return;
    const int at = std::min(caret, GetLineEndPosition(LineFromPosition(from)));
    SetEmptySelection(at);
}

void CCodeView::Mark(int line)
{
    MarkerAdd(line, kMarkerMargin);
    MarkerAdd(line, kMarkerTint);
    m_marked = true;
    m_unmark.StartOnce(kMarkMs);
}

void CCodeView::Unmark()
{
    m_unmark.Stop();
    if (!m_marked)
        return;   // deleting draws the whole control again
    MarkerDeleteAll(kMarkerMargin);
    MarkerDeleteAll(kMarkerTint);
    m_marked = false;
}

std::vector<int> CCodeView::MarkedLines()
{
    std::vector<int> lines;
    for (int line = MarkerNext(0, 1 << kMarkerMargin); line >= 0; line = MarkerNext(line + 1, 1 << kMarkerMargin))
        lines.push_back(line);
    return lines;
}

std::string CCodeView::Bytes()
{
    const wxCharBuffer bytes = GetTextRaw();
    return std::string(bytes.data(), bytes.length());
}

Span CCodeView::Keep()
{
    const int from = GetSelectionStart();
    return Span{from, GetSelectionEnd() - from};
}

void CCodeView::ApplyEdits(const std::vector<TextEdit>& edits)
{
    if (edits.empty())
        return;
    const Place place = KeepPlace();
    const int lines = GetLineCount();
    int first = lines, last = 0;
    bool marks = false;
    m_replacing = true;
    for (const TextEdit& e : edits) {
        if (e.marked && !marks)
            Unmark();
        marks = marks || e.marked;
        Replace(e.offset, e.offset + e.length, wxString::FromUTF8(e.text));
        const int from = LineFromPosition(e.offset), to = LineFromPosition(e.offset + int(e.text.size()));
        ColourNow(PositionFromLine(from), GetLineEndPosition(to));
        for (int line = from; e.marked && line <= to; ++line)
            Mark(line);
        first = std::min(first, from);
        last = std::max(last, to);
    }
    m_replacing = false;
    if (marks)
        m_colours.KeepWordLists(GetText());   // a call may have become another
    PutBack(place);
    // Lines that moved up or down are drawn again to the bottom.
    RefreshLines(first, GetLineCount() != lines ? GetLineCount() : last + 1);
}

// A change for the user (a step, a toggle): only what it changed is drawn
// again, not the whole control.
void CCodeView::PutForUser(int from, int to, const std::string& text)
{
    m_replacing = true;
    Replace(from, to, wxString::FromUTF8(text));
    const int line = LineFromPosition(from);
    ColourNow(PositionFromLine(line), GetLineEndPosition(line));
    m_replacing = false;
    const wxPoint at = PointFromPosition(from);
    const wxRect changed(at.x, at.y, GetClientSize().x - at.x, TextHeight(line));
    wxStyledTextCtrl::Refresh(false, &changed);
}

void CCodeView::OnGestureEdit(int group)
{
    if (onEdit)
        onEdit(group);
}

void CCodeView::OnUndoKey()
{
    if (onUndo)
        onUndo();
}

void CCodeView::OnRedoKey()
{
    if (onRedo)
        onRedo();
}

void CCodeView::OnDragEnded()
{
    if (m_holding) {
        m_holding = false;
        ShowText(m_held, m_heldMark);
    }
}
