// The language the program speaks: Russian, its own (the texts in the code),
// or English from the catalogue po/en.po; wx's own texts follow it.
#pragma once

#include <wx/language.h>
#include <wx/string.h>

#include <functional>
#include <vector>

// "ru" or "en" as given to --lang, else wxLANGUAGE_UNKNOWN.
wxLanguage LanguageNamed(const wxString& code);

// The user's interface languages as the system lists them, the most wanted
// first: tags such as "en-US" or "ru_RU".
using SystemLanguages = std::function<std::vector<wxString>()>;

// What wxUILocale says the system's are: on Windows the user's display
// languages; none on Linux, where the variables are the system's word.
std::vector<wxString> UserInterfaceLanguages();

// The language a desktop with this environment asks for, read as gettext
// reads it: LANGUAGE's list, then LC_ALL, LC_MESSAGES or LANG. The first of
// them that we speak wins; C or POSIX: Russian. When none is set, as on
// Windows, the system's list is read the same way. Otherwise Russian.
wxLanguage DesktopLanguage(const std::function<const char*(const char*)>& getenv, const SystemLanguages& system);

// The language SetUpLanguage chose; Russian before it runs.
wxLanguage ProgramLanguage();

// GTK names a stock button (OK, Cancel, Help) in its own words, "Отменить"
// and "OK" in Russian; this gives it wx's, the program's: "ОК", "Отмена",
// "Справка", with no mnemonic that two of them would share. In English GTK's
// words are right and stay. On Windows wx names Help in English in a Russian
// sheet; this gives it its Russian name too. Null is ignored.
class wxWindow;
void NameStockButton(wxWindow* button);
// The words NameStockButton gives the button id; empty in English.
wxString StockButtonWords(int id);

// Takes the desktop's locale, keeps numbers in C for the code the program
// writes, and shows every text in language (wxLANGUAGE_DEFAULT: the
// desktop's), GTK's own dialogs included where the system has the locale.
void SetUpLanguage(wxLanguage language);
