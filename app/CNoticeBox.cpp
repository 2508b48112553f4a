#include "CNoticeBox.h"

#include "DialogColours.h"
#include "Language.h"
#include "Notice.h"
#include "Texts.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

namespace {

long BoxStyle(wxWindow* owner)
{
    // Without an owner wx would pick the top window; the box is to have none.
    return wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | (owner ? 0 : wxDIALOG_NO_PARENT);
}
}

CNoticeBox::CNoticeBox(wxWindow* owner, const wxString& caption, const wxString& text)
    : wxDialog(owner, wxID_ANY, caption, wxDefaultPosition, wxDefaultSize, BoxStyle(owner))
{
    ApplyDialogColours(this);
    // A file name may hold "&", which a label would take for a mnemonic.
    m_text = new wxStaticText(this, wxID_ANY, wxControl::EscapeMnemonics(text));
    auto* ok = new wxButton(this, wxID_OK);
    NameStockButton(ok);
    ok->SetDefault();
    SetAffirmativeId(wxID_OK);
    SetEscapeId(wxID_OK);

    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(m_text, 0, wxALL, 16);
    column->Add(ok, 0, wxALIGN_CENTER_HORIZONTAL | wxLEFT | wxRIGHT | wxBOTTOM, 12);
    SetSizerAndFit(column);

    ApplyDialogColours(m_text);
    ok->SetFocus();
    CentreOnParent();
}

wxString CNoticeBox::Text() const
{
    return m_text->GetLabelText();
}

wxString RefusalText(const DibFailure& failure)
{
    // wx checks each argument against its directive: %lld takes long long.
    const long long found = failure.found, limit = failure.limit, at = failure.at;
    const auto say = [](const char* text, auto... args) { return wxString::Format(Tr(text), args...); };
    switch (failure.reason) {
    case DibReason::None: break;
    case DibReason::CannotOpen:
        return say(N_("Не удалось открыть файл картинки %s."), wxString::FromUTF8(failure.name));
    case DibReason::HeadersCut:
        return say(N_("Файл картинки обрывается после %lld байт, а его заголовкам нужно %lld."), found, limit);
    case DibReason::UnknownHeaderSize:
        return say(N_("Это не картинка BMP: заголовка длиной %lld байт не бывает."), found);
    case DibReason::PlaneCount:
        return say(N_("В картинке %lld цветовых плоскостей, а бывает только одна."), found);
    case DibReason::NoPixels:
        return say(N_("В картинке нет точек: её ширина или высота равна %lld."), found);
    case DibReason::SideTooLarge:
        return say(N_("Сторона картинки в %lld точек длиннее наибольшей, %lld."), found, limit);
    case DibReason::ImageTooLarge:
        return say(N_("Картинка занимает %lld байт, больше наибольших %lld."), found, limit);
    case DibReason::PaletteCut:
        return say(N_("В таблице цветов объявлено %lld цветов, а в файле их только %lld."), found, limit);
    case DibReason::PixelsInsideHeaders:
        return say(N_("Точки картинки начинаются с байта %lld, внутри заголовков, которые занимают %lld байт."), found, limit);
    case DibReason::PixelsPastEnd:
        return say(N_("Точки картинки начинаются с байта %lld, за концом файла длиной %lld байт."), found, limit);
    case DibReason::BitCount:
        return say(N_("Глубина цвета %lld бит не поддерживается при сжатии %lld."), found, limit);
    case DibReason::Compression:
        return say(N_("Сжатие %lld не поддерживается."), found);
    case DibReason::Masks:
        return say(N_("Маска цвета 0x%llX не годится для точек в %lld бит."), found, limit);
    case DibReason::TopDownRle:
        return say(N_("Сжатая картинка хранится сверху вниз (высота %lld), а должна снизу вверх."), found);
    case DibReason::PixelsCut:
        return say(N_("В файле %lld байт точек, а строкам картинки нужно %lld."), found, limit);
    case DibReason::RleMalformed:
        return say(N_("Сжатые точки картинки испорчены в байте %lld."), at);
    case DibReason::OverBudget:
        return say(N_("Картинка в %lld точек больше допустимых %lld."), found, limit);
    case DibReason::OutOfMemory:
        return say(N_("Не хватает памяти: нужно %lld байт."), found);
    }
    return wxString();
}

void ShowNoticeBox(const DibFailure& failure)
{
    wxWindow* focus = wxWindow::FindFocus();
    CNoticeBox box(focus ? wxGetTopLevelParent(focus) : nullptr, Tr("Ошибка"), RefusalText(failure));
    box.ShowModal();
}
