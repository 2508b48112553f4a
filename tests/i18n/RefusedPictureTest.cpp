// A picture the program refuses, told in the language its desktop asks for:
// the program started in a folder whose logo.bmp announces more colours than
// it holds, the texture page reached with real keys, the box read, then closed
// with Enter. SAMPLES_EXPECT says which language, as for the walk.
#include "BmpWriter.h"
#include "CNoticeBox.h"
#include "ShownSheet.h"
#include "ViewTestSupport.h"

#include <gtest/gtest.h>
#include <wx/bookctrl.h>
#include <wx/timer.h>
#include <wx/translation.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace {

struct Told
{
    std::string caption, text;
    bool closed = false;
};

// Reads the notice box once it is up and presses Enter on it.
void ReadAndCloseTheBox(Told& told)
{
    CNoticeBox* box = ModalWindow<CNoticeBox>();
    if (!box || !told.text.empty())
        return;
    told.caption = box->GetTitle().utf8_string();
    told.text = box->Text().utf8_string();
    Input().Char(WXK_RETURN);
    told.closed = PumpEvents(3000, [] { return !ModalWindow<CNoticeBox>(); });
    if (!told.closed)
        box->EndModal(wxID_ABORT);
}

// Ctrl+PageDown to the last page, whose window reads logo.bmp as it is set up.
void GoToTheTexturePage(CAllSheets* sheet, const Told& told)
{
    // The keys go to the focused window: one the walk left behind must not have them.
    sheet->Raise();
    PumpEvents(2000, [sheet] { return sheet->IsActive(); });
    wxBookCtrlBase* book = sheet->GetBookCtrl();
    for (size_t page = 1; page < book->GetPageCount(); ++page) {
        sheet->SetFocus();
        Input().Char(WXK_PAGEDOWN, wxMOD_CONTROL);
        PumpEvents(3000, [&] { return size_t(book->GetSelection()) == page; });
    }
    PumpEvents(10000, [&told] { return !told.text.empty(); });
    PumpEvents(200);
}

TEST(Language, ARefusedPictureIsToldInTheDesktopsLanguage)
{
    const char* expect = std::getenv("SAMPLES_EXPECT");
    const bool english = expect && std::string(expect) == "en";
    ScratchDir folder;   // the program finds logo.bmp in the current folder first
    BmpFields logo;
    logo.colorsUsed = 300;
    logo.bits = {0, 0, 0, 0};
    const Bytes file = BuildBmp(logo);
    std::ofstream("logo.bmp", std::ios::binary).write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));

    wxFileTranslationsLoader::AddCatalogLookupPathPrefix(SAMPLES_LOCALE_DIR);
    Told told;
    wxTimer poll;
    poll.Bind(wxEVT_TIMER, [&told](wxTimerEvent&) { ReadAndCloseTheBox(told); });
    poll.Start(100);
    EXPECT_TRUE(RunProgramSheet([&told](CAllSheets& sheet) { GoToTheTexturePage(&sheet, told); }));
    poll.Stop();

    EXPECT_EQ(told.caption, english ? "Error" : "Ошибка");
    EXPECT_EQ(told.text, english ? "The colour table announces 300 colours, but the file holds only 1."
                                 : "В таблице цветов объявлено 300 цветов, а в файле их только 1.");
    EXPECT_TRUE(told.closed) << "Enter left the box open";
}

}  // namespace
