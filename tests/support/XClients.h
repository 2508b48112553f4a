// Other X programs run from a test: their output, the windows a process
// shows, the clipboard as another program reads it. No wx: the tests that
// drive the program as a child process use it too.
#pragma once

#include <stdlib.h>
#include <sys/types.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

inline std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A new empty folder for a test's files.
inline std::filesystem::path NewFolder()
{
    char name[] = "/tmp/samples-test-XXXXXX";
    return mkdtemp(name);
}

inline std::set<std::string> FilesIn(const std::filesystem::path& dir)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        names.insert(entry.path().filename().string());
    return names;
}

// What a shell command prints.
inline std::string Output(const std::string& command)
{
    std::string out;
    if (FILE* p = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, p)) > 0;)
            out.append(buffer, n);
        pclose(p);
    }
    return out;
}

constexpr const char* kReadClipboard = "timeout 5 xclip -o -selection clipboard 2>/dev/null";
constexpr const char* kEmptyClipboard = "printf x | xclip -selection clipboard > /dev/null 2>&1";

// The shown top-level windows of process pid, as xdotool lists them.
inline std::vector<unsigned long> ShownWindows(pid_t pid)
{
    std::vector<unsigned long> windows;
    const std::string listed = Output("xdotool search --onlyvisible --pid " + std::to_string(pid) + " 2>/dev/null");
    for (size_t at = 0, used = 0; at < listed.size(); at += used + 1)
        windows.push_back(std::stoul(listed.substr(at), &used));
    return windows;
}

// A window's title, as a window manager reads it.
inline std::string WindowTitle(unsigned long window)
{
    const std::string title = Output("xdotool getwindowname " + std::to_string(window) + " 2>/dev/null");
    return title.substr(0, title.find('\n'));
}
