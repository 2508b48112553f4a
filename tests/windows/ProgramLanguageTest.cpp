// The program started as a Windows user starts it: in a Windows whose user
// language is SAMPLES_EXPECT ("en" or "ru"), with none of the variables it
// reads (LANG, LANGUAGE, LC_ALL, LC_MESSAGES) in its environment. Its sheet's
// caption and buttons are read by this process from the program's windows.
#include <gtest/gtest.h>
#include <wx/defs.h>

#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cwctype>
#include <string>
#include <vector>

namespace {

const std::string kExpected = std::getenv("SAMPLES_EXPECT") ? std::getenv("SAMPLES_EXPECT") : "";

// The caption, then the OK, Cancel and Help buttons.
using Shown = std::array<std::string, 4>;
const Shown kRussian = {"OpenGL: фрагменты кода с примерами", "ОК", "Отмена", "Справка"};
const Shown kEnglish = {"OpenGL: code fragments with examples", "OK", "Cancel", "Help"};

std::string Utf8(const std::wstring& text)
{
    std::string out(text.size() * 4, '\0');
    out.resize(WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), out.data(), int(out.size()),
                                   nullptr, nullptr));
    return out;
}

// What a window shows, asked as any other program asks it; mnemonics dropped.
std::string TextOf(HWND window)
{
    if (!window)
        return "(no window)";
    wchar_t text[512] = {};
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, 512, LPARAM(text), SMTO_ABORTIFHUNG, 5000, &length))
        return "(no answer)";
    std::wstring shown(text, length);
    shown.erase(std::remove(shown.begin(), shown.end(), L'&'), shown.end());
    return Utf8(shown);
}

// This process's environment without the variables the program takes its
// language from, and with extra ones ("NAME=value").
std::wstring Environment(const std::vector<std::wstring>& extra)
{
    std::wstring block;
    wchar_t* all = GetEnvironmentStringsW();
    for (const wchar_t* entry = all; *entry; entry += wcslen(entry) + 1) {
        std::wstring name(entry, wcscspn(entry + 1, L"=") + 1);
        for (wchar_t& c : name)
            c = wchar_t(std::towupper(c));
        if (name != L"LANG" && name != L"LANGUAGE" && name != L"LC_ALL" && name != L"LC_MESSAGES")
            block.append(entry).push_back(L'\0');
    }
    FreeEnvironmentStringsW(all);
    for (const std::wstring& entry : extra)
        block.append(entry).push_back(L'\0');
    block.push_back(L'\0');
    return block;
}

struct Search { DWORD process; HWND sheet; };

// The program's shown window with a Help button: its sheet.
BOOL CALLBACK FindSheet(HWND window, LPARAM to)
{
    auto* search = reinterpret_cast<Search*>(to);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search->process || !IsWindowVisible(window) || !GetDlgItem(window, wxID_HELP))
        return TRUE;
    search->sheet = window;
    return FALSE;
}

// Starts the program in the working folder with that environment and
// arguments, reads its sheet once shown, and closes it.
Shown Start(const std::vector<std::wstring>& variables, const std::wstring& arguments = L"")
{
    std::wstring command = L"opengl-samples.exe" + arguments, environment = Environment(variables);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION program = {};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT,
                        environment.data(), nullptr, &startup, &program))
        return {"(not started: error " + std::to_string(GetLastError()) + ")", "", "", ""};
    Search search = {program.dwProcessId, nullptr};
    for (int i = 0; i < 600 && !search.sheet; ++i) {
        EnumWindows(FindSheet, LPARAM(&search));
        if (!search.sheet && WaitForSingleObject(program.hProcess, 100) == WAIT_OBJECT_0)
            break;
    }
    Shown shown = {"(no sheet)", "", "", ""};
    if (search.sheet) {
        shown = {TextOf(search.sheet), TextOf(GetDlgItem(search.sheet, wxID_OK)),
                 TextOf(GetDlgItem(search.sheet, wxID_CANCEL)), TextOf(GetDlgItem(search.sheet, wxID_HELP))};
        PostMessageW(search.sheet, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(program.hProcess, 20000) != WAIT_OBJECT_0)
        TerminateProcess(program.hProcess, 1);
    CloseHandle(program.hThread);
    CloseHandle(program.hProcess);
    return shown;
}

class ProgramLanguage : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(kExpected == "en" || kExpected == "ru") << "SAMPLES_EXPECT must be en or ru";
        // Wine gives this process, and the program after it, the user's language.
        ASSERT_EQ(PRIMARYLANGID(GetUserDefaultUILanguage()), kExpected == "en" ? LANG_ENGLISH : LANG_RUSSIAN)
            << "the Windows user's language is not " << kExpected;
    }
    bool english = kExpected == "en";
};

TEST_F(ProgramLanguage, WithNoVariableTheSheetSpeaksTheWindowsUsersLanguage)
{
    EXPECT_EQ(Start({}), english ? kEnglish : kRussian);
}

TEST_F(ProgramLanguage, AVariableOrLangOutranksTheWindowsUsersLanguage)
{
    EXPECT_EQ(Start({english ? L"LANG=ru_RU.UTF-8" : L"LANG=en_US.UTF-8"}), english ? kRussian : kEnglish);
    EXPECT_EQ(Start({}, english ? L" --lang ru" : L" --lang en"), english ? kRussian : kEnglish);
}

}
