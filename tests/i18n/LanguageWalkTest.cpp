// The program in the language its desktop asks for, walked as a user walks
// it: every page, the context menu and the code window, with real keys and
// clicks; then the code its Copy button puts on the clipboard still compiles.
// It starts in a folder whose logo.bmp announces more colours than it holds:
// the texture page's notice is read, then closed with Enter.
// SAMPLES_EXPECT says which language the run's environment asks for: "ru" or "en".
#include "BmpWriter.h"
#include "CNoticeBox.h"
#include "OtherProgram.h"
#include "ShownSheet.h"
#include "ViewTestSupport.h"

#include <gtest/gtest.h>
#include <wx/bookctrl.h>
#include <wx/button.h>
#include <wx/menu.h>
#include <wx/textentry.h>
#include <wx/timer.h>
#include <wx/toplevel.h>
#include <wx/translation.h>
#include <wx/uiaction.h>

#include <dlfcn.h>
#include <libintl.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace {

const std::string kExpected = std::getenv("SAMPLES_EXPECT") ? std::getenv("SAMPLES_EXPECT") : "";
const bool kEnglish = kExpected == "en";

struct Seen { std::string where, text; };

std::string Utf8(const wxString& s) { return std::string(s.utf8_str()); }

// The words GTK shows on a button, read from the GTK widget: its label, or
// for a GTK stock button ("gtk-cancel") the stock item's translated label.
std::string ShownOnButton(wxWindow* button)
{
    const auto label = reinterpret_cast<const char* (*)(void*)>(dlsym(RTLD_DEFAULT, "gtk_button_get_label"));
    const auto stock = reinterpret_cast<int (*)(void*)>(dlsym(RTLD_DEFAULT, "gtk_button_get_use_stock"));
    if (!button || !label || !stock || !label(button->GetHandle()))
        return "(no GTK button)";
    std::string text = label(button->GetHandle());
    if (stock(button->GetHandle()) && text.rfind("gtk-", 0) == 0) {
        std::string item = "_" + text.substr(4);
        item[1] = char(std::toupper(item[1]));
        if (item == "_Ok")
            item = "_OK";
        const std::string key = "Stock label\004" + item;
        text = dgettext("gtk30", key.c_str());
        if (text == key)
            text = item;
    }
    text.erase(std::remove(text.begin(), text.end(), '_'), text.end());
    return text;
}

// What a window shows: a frame's title, a text entry's value (code), a
// control's label; its children's too.
void Collect(wxWindow* w, const std::string& where, std::vector<Seen>& seen)
{
    if (auto* top = dynamic_cast<wxTopLevelWindow*>(w))
        seen.push_back({where + " title", Utf8(top->GetTitle())});
    else if (auto* entry = dynamic_cast<wxTextEntryBase*>(w))
        seen.push_back({where + " code", Utf8(entry->GetValue())});
    else
        seen.push_back({where, Utf8(wxControl::RemoveMnemonics(w->GetLabel()))});
    for (wxWindow* child : w->GetChildren())
        if (!child->IsTopLevel())
            Collect(child, where, seen);
}

void CollectMenu(const wxMenu& menu, std::vector<Seen>& seen)
{
    for (const wxMenuItem* item : menu.GetMenuItems()) {
        seen.push_back({"menu", Utf8(item->GetItemLabelText())});
        if (item->GetSubMenu())
            CollectMenu(*item->GetSubMenu(), seen);
    }
}

// C code is Latin by nature: only its comments are words for the reader.
std::string Comments(const std::string& code)
{
    std::string words;
    static const std::regex comment(R"(/\*[\s\S]*?\*/|//[^\n]*)");
    for (std::sregex_iterator i(code.begin(), code.end(), comment), end; i != end; ++i)
        words += i->str() + "\n";
    // Names of the code itself, as "DrawScene()" or "SetUpScene(picture)", are code too.
    return std::regex_replace(words, std::regex(R"(\w+\(\w*\))"), "");
}

// Latin words a Russian run may show: OpenGL's and C's names, file names, and the
// texts that are the program's own in English (the menu, the loader's box).
bool AllowedInRussian(const std::string& word)
{
    static const std::regex allowed(
        R"((gl|GL|glu|GLU|wgl)\w*|OpenGL|[A-Za-z]|float|min|max|Rotate|Size|Increase|Decrease|Ctrl|Error|logo|bmp|png|PNG|c)");
    return std::regex_match(word, allowed);
}

// Every word of the texts in the expected language; the offenders otherwise.
std::string Offenders(const std::vector<Seen>& seen)
{
    static const std::regex latin(R"([A-Za-z][A-Za-z0-9_]*)");
    std::string found;
    for (const Seen& s : seen) {
        const std::string text = s.where.find(" code") != std::string::npos && !kEnglish ? Comments(s.text) : s.text;
        if (kEnglish) {
            // Cyrillic letters are U+0400 to U+04FF: 0xD0 to 0xD3 lead bytes in UTF-8.
            for (unsigned char c : text)
                if (c >= 0xD0 && c <= 0xD3) {
                    found += s.where + ": \"" + text.substr(0, 200) + "\"\n";
                    break;
                }
            continue;
        }
        for (std::sregex_iterator i(text.begin(), text.end(), latin), end; i != end; ++i)
            if (!AllowedInRussian(i->str()))
                found += s.where + ": " + i->str() + " in \"" + text.substr(0, 120) + "\"\n";
    }
    return found;
}

// The view's context menu opened with a real right-click, its texts taken
// while it is open, then closed with Escape (only then: an Escape before it
// opens would close the sheet).
struct MenuSeen { std::vector<Seen> texts; bool open = false; } g_menu;   // the handlers outlive WalkMenu

void WalkMenu(COpenGLWnd* view, std::vector<Seen>& seen)
{
    g_menu = MenuSeen();
    view->Bind(wxEVT_MENU_OPEN, [](wxMenuEvent& e) {
        if (e.GetMenu() && !e.GetMenu()->GetParent() && !g_menu.open) {
            CollectMenu(*e.GetMenu(), g_menu.texts);
            g_menu.open = true;
        }
        e.Skip();
    });
    wxTimer escape;
    escape.Bind(wxEVT_TIMER, [&escape](wxTimerEvent&) {
        if (g_menu.open)
            Input().Char(WXK_ESCAPE);
        else
            escape.StartOnce(100);
    });
    escape.StartOnce(300);
    ClickOn(view, wxPoint(120, 120), wxMOUSE_BTN_RIGHT);
    PumpEvents(5000, [&] { return g_menu.open && !escape.IsRunning(); });
    escape.Stop();
    PumpEvents(200);
    EXPECT_TRUE(g_menu.open) << "no menu opened on the right-click";
    seen.insert(seen.end(), g_menu.texts.begin(), g_menu.texts.end());
}

struct Walk
{
    std::vector<Seen> seen;
    std::string buttons[3], code, saveTitle;
    std::string noticeCaption, notice;
    bool noticeClosed = false;
};

// Reads the notice box once it is up and presses Enter on it.
void ReadAndCloseTheBox(Walk& walk)
{
    CNoticeBox* box = ModalWindow<CNoticeBox>();
    if (!box || !walk.notice.empty())
        return;
    walk.noticeCaption = box->GetTitle().utf8_string();
    walk.notice = box->Text().utf8_string();
    Input().Char(WXK_RETURN);
    walk.noticeClosed = PumpEvents(3000, [] { return !ModalWindow<CNoticeBox>(); });
    if (!walk.noticeClosed)
        box->EndModal(wxID_ABORT);
}

// Copy clicked, the code read back by another program; Save clicked, the
// file dialog's title read by another program, which then cancels it.
void WalkCodeWindow(CCodeWindow* code, Walk& walk)
{
    OutputOf(kEmptyClipboard);
    ClickOn(code->FindWindow(wxID_COPY));
    walk.code = OtherProgramsClipboard();

    const std::string title = AnswerNewWindow("xdotool getwindowname $w; xdotool windowfocus --sync $w key Escape",
                                              [code] { ClickOn(code->FindWindow(wxID_SAVE)); });
    walk.saveTitle = title.substr(0, title.find('\n'));
    walk.seen.push_back({"file dialog title", walk.saveTitle});
}

void WalkSheet(CAllSheets* sheet, Walk& walk)
{
    const wxWindowID ids[] = {wxID_OK, wxID_CANCEL, wxID_HELP};
    for (int i = 0; i < 3; ++i)
        if (auto* b = dynamic_cast<wxButton*>(sheet->FindWindow(ids[i])))
            walk.buttons[i] = ShownOnButton(b);
    Collect(sheet, "sheet", walk.seen);
    wxBookCtrlBase* book = sheet->GetBookCtrl();
    for (size_t page = 0; page < book->GetPageCount(); ++page) {
        if (page > 0) {
            sheet->SetFocus();
            Input().Char(WXK_PAGEDOWN, wxMOD_CONTROL);
            PumpEvents(3000, [&] { return size_t(book->GetSelection()) == page; });
        }
        ASSERT_EQ(size_t(book->GetSelection()), page) << "Ctrl+PageDown did not reach the page";
        COpenGLWnd* view = sheet->Page(page)->View();
        SetUpAndCurrent(*sheet, page);
        PumpEvents(200);   // shown and painted before the pointer comes
        const std::string where = "page " + std::to_string(page + 1);
        walk.seen.push_back({where + " tab", Utf8(book->GetPageText(page))});
        Collect(sheet->Page(page), where, walk.seen);
        WalkMenu(view, walk.seen);
    }

    // The lighting page's code: the fog and its decimals on, and the size past
    // what a float takes, which a comment says.
    book->SetSelection(1);
    sheet->Page(1)->View()->ScaleBySteps(800, kScaleLarger);
    PumpEvents(500);
    sheet->SetFocus();
    Input().Char(WXK_F1);
    CCodeWindow* code = nullptr;
    PumpEvents(3000, [&] { return (code = sheet->CodeWindow()) && code->IsShown(); });
    ASSERT_NE(code, nullptr) << "F1 opened no code window";
    PumpEvents(1500);   // its timer brings it up to date
    Collect(code, "code window", walk.seen);
    WalkCodeWindow(code, walk);
    code->Close();
    PumpEvents(200);
}

// The application as the program makes it: OnInit chooses the language from
// the environment; the sheet is shown as the program shows it, walked, then closed.
TEST(Language, EveryPageTheMenuAndTheCodeWindowSpeakTheDesktopsLanguageAndTheCodeCompiles)
{
    ASSERT_TRUE(kExpected == "ru" || kEnglish) << "SAMPLES_EXPECT must be ru or en";
    wxFileTranslationsLoader::AddCatalogLookupPathPrefix(SAMPLES_LOCALE_DIR);
    ScratchDir folder;   // the program finds logo.bmp in the current folder first
    BmpFields logo;
    logo.colorsUsed = 300;
    logo.bits = {0, 0, 0, 0};
    const Bytes file = BuildBmp(logo);
    std::ofstream("logo.bmp", std::ios::binary).write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
    Walk walk;
    wxTimer poll;
    poll.Bind(wxEVT_TIMER, [&walk](wxTimerEvent&) { ReadAndCloseTheBox(walk); });
    poll.Start(100);
    ASSERT_TRUE(RunProgramSheet([&walk](CAllSheets& sheet) { WalkSheet(&sheet, walk); })) << "no sheet shown";
    poll.Stop();
    EXPECT_EQ(walk.noticeCaption, kEnglish ? "Error" : "Ошибка");
    EXPECT_EQ(walk.notice, kEnglish ? "The colour table announces 300 colours, but the file holds only 1."
                                    : "В таблице цветов объявлено 300 цветов, а в файле их только 1.");
    EXPECT_TRUE(walk.noticeClosed) << "Enter left the box open";

    // wx's own texts and GTK's (the file dialog's) follow the program.
    const std::vector<std::string> stock = kEnglish ? std::vector<std::string>{"OK", "Cancel", "Help"}
                                                    : std::vector<std::string>{"ОК", "Отмена", "Справка"};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(walk.buttons[i], stock[i]);
    EXPECT_STREQ(dgettext("gtk30", "_Cancel"), kEnglish ? "_Cancel" : "_Отмена");

    std::string pages;
    for (const Seen& s : walk.seen)
        if (s.where.find(" tab") != std::string::npos)
            pages += s.text + "|";
    EXPECT_EQ(pages, kEnglish ? "Lines in Space|Lighting|Texture Mapping|"
                              : "Линии в пространстве|Освещение|Наложение текстуры|");
    EXPECT_EQ(Offenders(walk.seen), "");

    EXPECT_EQ(walk.saveTitle, kEnglish ? "Save the frame and the code" : "Сохранить кадр и код");

    // The code as Copy gives it: C numbers, "0.5f" and never "0,5f", and it builds.
    ASSERT_NE(walk.code.find("glEnable(GL_LIGHTING)"), std::string::npos) << "no code shown:\n" << walk.code;
    EXPECT_NE(walk.code.find(kEnglish ? "it is held within 1e-30 .. " : "он ограничен пределами 1e-30 .. "),
              std::string::npos) << walk.code;
    EXPECT_FALSE(std::regex_search(walk.code, std::regex(R"(\d,\d)"))) << walk.code;
    EXPECT_EQ(BuildFragment(walk.code), "");
}

}
