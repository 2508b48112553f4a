// Another program run while this one keeps serving its events: it may own
// the clipboard that program reads, or show the dialog that program answers.
#pragma once

#include "WxTestMain.h"

#include <atomic>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>

// What command prints; meanwhile, if given, is done here while it runs.
inline std::string OutputOf(const std::string& command, const std::function<void()>& meanwhile = nullptr)
{
    std::string out;
    std::atomic<bool> done{false};
    std::thread runner([&] {
        if (FILE* p = popen(command.c_str(), "r")) {
            char buffer[4096];
            for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, p)) > 0;)
                out.append(buffer, n);
            pclose(p);
        }
        done = true;
    });
    if (meanwhile)
        meanwhile();
    PumpEvents(20000, [&] { return done.load(); });
    runner.join();
    return out;
}

inline std::string OtherProgramsClipboard() { return OutputOf("timeout 5 xclip -o -selection clipboard 2>/dev/null"); }

// A shell script that waits for a shown window of process pid that is not
// one of before (xdotool's list), then runs answer with $w as that window.
inline std::string AnswerNewWindow(const std::string& pid, const std::string& before, const std::string& answer)
{
    return "before=' " + before + " '\n"
           "for i in $(seq 200); do\n"
           "  for w in $(xdotool search --onlyvisible --pid " + pid + "); do\n"
           "    case \"$before\" in *\" $w \"*) continue;; esac\n"
           "    sleep 0.5; " + answer + "\n"
           "    exit 0\n"
           "  done; sleep 0.1\ndone; exit 1\n";
}
