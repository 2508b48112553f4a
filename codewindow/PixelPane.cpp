#include "PixelPane.h"

#include "CCodeView.h"
#include "CodeColours.h"
#include "COpenGLWnd.h"
#include "CTexWnd.h"
#include "RgbImage.h"

#include <algorithm>

namespace {

enum Style { kText = 0, kTitle = 1 };
constexpr int kChosenMarker = 0;

PixelTexture TextureOf(const COpenGLWnd& view)
{
    const auto* tex = dynamic_cast<const CTexWnd*>(&view);
    const RgbImage* image = tex ? tex->Image() : nullptr;
    return image ? PixelTexture{image->width, image->height, image->pixels} : PixelTexture{};
}

}

CPixelPane::CPixelPane(wxWindow* parent, CCodeView* code)
    : wxStyledTextCtrl(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxBORDER_THEME),
      m_code(code)
{
    StyleSetFont(wxSTC_STYLE_DEFAULT, CodeColours::Font());
    StyleClearAll();
    StyleSetBold(kTitle, true);
    StyleSetForeground(kTitle, wxColour(0x00, 0x00, 0x90));
    for (int margin = 0; margin < 5; ++margin)
        SetMarginWidth(margin, 0);
    SetMarginLeft(FromDIP(4));
    SetWrapMode(wxSTC_WRAP_WORD);
    SetWrapIndentMode(wxSTC_WRAPINDENT_INDENT);
    SetUndoCollection(false);
    SetCaretPeriod(0);
    SetCaretWidth(0);
    SetReadOnly(true);
    MarkerDefine(kChosenMarker, wxSTC_MARK_BACKGROUND, wxNullColour, wxColour(0xd8, 0xe8, 0xff));
    m_code->MarkerDefine(kCodeMarker, wxSTC_MARK_BACKGROUND, wxNullColour, wxColour(0xd8, 0xe8, 0xff));
    Bind(wxEVT_LEFT_UP, &CPixelPane::OnClick, this);
}

bool CPixelPane::Follow(const COpenGLWnd& view)
{
    const COpenGLWnd::ChosenPixel& pixel = view.Pixel();
    if (!pixel.chosen)
        return false;
    const PixelWorking p = WorkOutPixel(view.Kind(), view.State(), TextureOf(view), pixel.x, pixel.y);
    ShowSteps(PixelSteps(view.Kind(), view.State(), p, pixel.read ? pixel.seen.data() : nullptr));
    MarkCode();
    return true;
}

// Set only when it changed: the picture tells 60 times a second.
void CPixelPane::ShowSteps(const std::vector<PixelStep>& steps)
{
    std::string text;
    std::vector<int> titles;
    int line = 0;
    for (const PixelStep& step : steps) {
        titles.push_back(line);
        text += step.title + "\n" + step.text;
        line += 1 + int(std::count(step.text.begin(), step.text.end(), '\n'));
    }
    titles.push_back(line);
    if (text == m_text)
        return;
    const bool sameSteps = steps.size() == m_steps.size();
    m_text = text;
    m_steps = steps;
    m_titleLines = titles;
    m_markedIn.clear();
    if (!sameSteps)
        m_chosen = -1;
    const int top = GetFirstVisibleLine();
    SetReadOnly(false);
    SetText(wxString::FromUTF8(text));
    StartStyling(0);
    SetStyling(GetLength(), kText);
    for (size_t i = 0; i + 1 < titles.size(); ++i) {
        const int from = PositionFromLine(titles[i]);
        StartStyling(from);
        SetStyling(GetLineEndPosition(titles[i]) - from, kTitle);
    }
    SetReadOnly(true);
    SetFirstVisibleLine(top);
}

int CPixelPane::StepAtLine(int line) const
{
    for (size_t i = 0; i + 1 < m_titleLines.size(); ++i)
        if (line >= m_titleLines[i] && line < m_titleLines[i + 1])
            return int(i);
    return -1;
}

int CPixelPane::TitleLine(int step) const
{
    return step >= 0 && step + 1 < int(m_titleLines.size()) ? m_titleLines[step] : -1;
}

void CPixelPane::ChooseStep(int step)
{
    m_chosen = step >= 0 && step < int(m_steps.size()) ? step : -1;
    m_markedIn.clear();
    MarkCode();
    if (m_chosen < 0)
        return;
    // Shown where the student looks.
    const std::vector<int> lines = MarkedCodeLines();
    if (lines.empty())
        return;
    const int first = m_code->VisibleFromDocLine(lines.front());
    const int top = m_code->GetFirstVisibleLine();
    if (first < top || first >= top + m_code->LinesOnScreen())
        m_code->SetFirstVisibleLine(std::max(0, first - 2));
}

// Again whenever the code's text changed: its lines may have moved.
void CPixelPane::MarkCode()
{
    const std::string code = m_code->Bytes();
    if (!m_markedIn.empty() && code == m_markedIn)
        return;
    m_markedIn = code;
    m_code->MarkerDeleteAll(kCodeMarker);
    MarkerDeleteAll(kChosenMarker);
    if (m_chosen < 0)
        return;
    for (int line : LinesOfCalls(code, m_steps[m_chosen].calls))
        m_code->MarkerAdd(line, kCodeMarker);
    for (int line = m_titleLines[m_chosen]; line < m_titleLines[m_chosen + 1]; ++line)
        MarkerAdd(line, kChosenMarker);
}

std::vector<int> CPixelPane::MarkedCodeLines() const
{
    std::vector<int> lines;
    for (int line = m_code->MarkerNext(0, 1 << kCodeMarker); line >= 0;
         line = m_code->MarkerNext(line + 1, 1 << kCodeMarker))
        lines.push_back(line);
    return lines;
}

void CPixelPane::OnClick(wxMouseEvent& event)
{
    const int at = PositionFromPointClose(event.GetX(), event.GetY());
    if (at >= 0)
        ChooseStep(StepAtLine(LineFromPosition(at)));
    event.Skip();
}
