#include "Language.h"

#include "CodeWords.h"
#include "Texts.h"

#include <wx/filename.h>
#include <wx/stockitem.h>
#include <wx/window.h>
#include <wx/stdpaths.h>
#include <wx/tokenzr.h>
#include <wx/translation.h>
#include <wx/uilocale.h>
#include <wx/utils.h>

#include <algorithm>
#include <clocale>
#include <cstdlib>

wxLanguage LanguageNamed(const wxString& code)
{
    if (code == "ru")
        return wxLANGUAGE_RUSSIAN;
    if (code == "en")
        return wxLANGUAGE_ENGLISH;
    return wxLANGUAGE_UNKNOWN;
}

namespace {

wxLanguage s_language = wxLANGUAGE_RUSSIAN;

bool IsCLocale(const wxString& name)
{
    return name.empty() || name == "C" || name == "POSIX" || name.StartsWith("C.");
}

wxString LanguageCode(wxLanguage language)
{
    return language == wxLANGUAGE_ENGLISH ? "en" : "ru";
}

// GTK's dialogs take their texts from gettext, which reads LC_MESSAGES and
// then LANGUAGE; under C it ignores LANGUAGE.
void LetGtkSpeak(wxLanguage language)
{
    wxSetEnv("LANGUAGE", LanguageCode(language));
#ifdef LC_MESSAGES
    const char* messages = std::setlocale(LC_MESSAGES, nullptr);
    if (language == wxLANGUAGE_RUSSIAN && IsCLocale(messages ? messages : ""))
        std::setlocale(LC_MESSAGES, "ru_RU.UTF-8");
#endif
}

bool IsAscii(const wxString& text)
{
    return std::all_of(text.begin(), text.end(), [](wxUniChar c) { return c.IsAscii(); });
}

// The first of the tags ("en_US.UTF-8", "en-US", "de") that we speak; Russian
// when none is.
wxLanguage FirstSpoken(const std::vector<wxString>& tags)
{
    for (const wxString& tag : tags) {
        const wxLanguage language =
            LanguageNamed(tag.BeforeFirst('_').BeforeFirst('-').BeforeFirst('.').BeforeFirst('@'));
        if (language != wxLANGUAGE_UNKNOWN)
            return language;
    }
    return wxLANGUAGE_RUSSIAN;
}

}

std::vector<wxString> UserInterfaceLanguages()
{
#if defined(__UNIX__) && !defined(__WXOSX__)
    // There wx reads the same variables, and with none set makes up "en_US".
    return {};
#else
    const wxVector<wxString> tags = wxUILocale::GetPreferredUILanguages();
    std::vector<wxString> languages(tags.begin(), tags.end());
    // Before Windows 10, and under Wine, which says it is 7, wx 3.2.2 lists
    // none (it takes GetUserDefaultLocaleName's success for a failure): the
    // user's locale then.
    if (languages.empty())
        languages.push_back(wxUILocale::GetLanguageCanonicalName(wxUILocale::GetSystemLanguage()));
    return languages;
#endif
}

wxLanguage DesktopLanguage(const std::function<const char*(const char*)>& getenv, const SystemLanguages& system)
{
    wxString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = getenv(name);
        if (value && *value) {
            locale = value;
            break;
        }
    }
    const char* language = getenv("LANGUAGE");
    const wxString list = language ? language : "";
    if (locale.empty() && list.empty())
        return FirstSpoken(system());
    if (IsCLocale(locale))
        return wxLANGUAGE_RUSSIAN;
    const wxArrayString wanted = wxStringTokenize(list + ":" + locale, ":");
    return FirstSpoken(std::vector<wxString>(wanted.begin(), wanted.end()));
}

wxLanguage ProgramLanguage()
{
    return s_language;
}

wxString StockButtonWords(int id)
{
    if (s_language == wxLANGUAGE_ENGLISH)
        return wxString();
    wxString words = wxStripMenuCodes(wxGetStockLabel(id));
    // wx's Russian catalogue leaves one form of a label English: the plain
    // "OK", and on Windows the "&Help" that wx looks up in a menu context the
    // catalogue lacks. The Russian form is the translated one.
    if (IsAscii(words))
        words = wxGetStockLabel(id, wxSTOCK_NOFLAGS);
    // wx hands a label equal to its stock one, with or without the mnemonic,
    // back to GTK: this one has its mnemonic on the second letter, as GTK's
    // Russian "О_тменить" has.
    if (words == wxGetStockLabel(id, wxSTOCK_NOFLAGS) && words.length() > 1)
        words = words.Left(1) + "&" + words.Mid(1);
    return words;
}

void NameStockButton(wxWindow* button)
{
    const wxString words = button ? StockButtonWords(button->GetId()) : wxString();
    if (!words.empty())
        button->SetLabel(words);
}

void SetUpLanguage(wxLanguage language)
{
    wxUILocale::UseDefault();
    // The code window writes C source: "0.5f" under any locale, never "0,5f".
    std::setlocale(LC_NUMERIC, "C");
    if (language == wxLANGUAGE_DEFAULT)
        language = DesktopLanguage([](const char* name) { return std::getenv(name); }, UserInterfaceLanguages);
    s_language = language;
    LetGtkSpeak(language);

    // Beside the program in the build tree and the Windows folder; the
    // installed share/locale from its bin folder.
    const wxString bin = wxFileName(wxStandardPaths::Get().GetExecutablePath()).GetPath();
    wxFileTranslationsLoader::AddCatalogLookupPathPrefix(bin + "/locale");
    wxFileTranslationsLoader::AddCatalogLookupPathPrefix(bin + "/" SAMPLES_LOCALE_FROM_BIN);

    auto* translations = new wxTranslations;
    wxTranslations::Set(translations);
    translations->SetLanguage(LanguageCode(language));
    translations->AddStdCatalog();
    translations->AddCatalog(kTextDomain, wxLANGUAGE_RUSSIAN);
    SetCodeTranslation([](const char* russian) { return TrUtf8(russian); });
}
