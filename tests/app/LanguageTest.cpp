// The language the program takes from the environment and, when the
// environment names none (as on Windows), from the system's interface languages.
#include "Language.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

using Variables = std::map<std::string, std::string>;

// "en", "ru" or "other": what DesktopLanguage chose.
std::string Chosen(const Variables& variables, const std::vector<wxString>& system)
{
    const wxLanguage language = DesktopLanguage(
        [&variables](const char* name) {
            const auto found = variables.find(name);
            return found == variables.end() ? nullptr : found->second.c_str();
        },
        [&system] { return system; });
    return language == wxLANGUAGE_ENGLISH ? "en" : language == wxLANGUAGE_RUSSIAN ? "ru" : "other";
}

TEST(DesktopLanguageTest, WithNoVariableTheSystemsInterfaceLanguageDecides)
{
    EXPECT_EQ(Chosen({}, {"en-US"}), "en");
    EXPECT_EQ(Chosen({}, {"en-GB"}), "en");
    EXPECT_EQ(Chosen({}, {"ru-RU"}), "ru");
    EXPECT_EQ(Chosen({}, {"en_US"}), "en");
    // The first of the user's list that we speak; none of them: our own.
    EXPECT_EQ(Chosen({}, {"de-DE", "en-US"}), "en");
    EXPECT_EQ(Chosen({}, {"ru-RU", "en-US"}), "ru");
    EXPECT_EQ(Chosen({}, {"de-DE"}), "ru");
    EXPECT_EQ(Chosen({}, {"fr-FR", "es-ES"}), "ru");
    EXPECT_EQ(Chosen({}, {}), "ru");
    // An empty variable is no variable.
    EXPECT_EQ(Chosen({{"LANG", ""}, {"LC_ALL", ""}}, {"en-US"}), "en");
}

TEST(DesktopLanguageTest, AnyVariableSetOutranksTheSystem)
{
    EXPECT_EQ(Chosen({{"LANG", "ru_RU.UTF-8"}}, {"en-US"}), "ru");
    EXPECT_EQ(Chosen({{"LANG", "en_US.UTF-8"}}, {"ru-RU"}), "en");
    EXPECT_EQ(Chosen({{"LC_MESSAGES", "en_US.UTF-8"}}, {"ru-RU"}), "en");
    EXPECT_EQ(Chosen({{"LC_ALL", "ru_RU.UTF-8"}, {"LANG", "en_US.UTF-8"}}, {"en-US"}), "ru");
    // A language we have no catalogue for, C and POSIX are Russian as before.
    EXPECT_EQ(Chosen({{"LANG", "fr_FR.UTF-8"}}, {"en-US"}), "ru");
    EXPECT_EQ(Chosen({{"LANG", "C"}}, {"en-US"}), "ru");
    EXPECT_EQ(Chosen({{"LC_ALL", "POSIX"}}, {"en-US"}), "ru");
    EXPECT_EQ(Chosen({{"LANG", "C.UTF-8"}}, {"en-US"}), "ru");
    // LANGUAGE's list under a locale; alone, gettext ignores it as under C.
    EXPECT_EQ(Chosen({{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "de:en"}}, {"ru-RU"}), "en");
    EXPECT_EQ(Chosen({{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "ru"}}, {"en-US"}), "ru");
    EXPECT_EQ(Chosen({{"LANGUAGE", "en"}}, {"en-US"}), "ru");
}

}
