// Another program run while this one keeps serving its events: it may own
// the clipboard that program reads, or show the dialog that program answers.
#pragma once

#include "WxTestMain.h"
#include "XClients.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <thread>

// What command prints; meanwhile, if given, is done here while it runs.
inline std::string OutputOf(const std::string& command, const std::function<void()>& meanwhile = nullptr)
{
    std::string out;
    std::atomic<bool> done{false};
    std::thread runner([&] { out = Output(command), done = true; });
    if (meanwhile)
        meanwhile();
    PumpEvents(20000, [&] { return done.load(); });
    runner.join();
    return out;
}

inline std::string OtherProgramsClipboard() { return OutputOf(kReadClipboard); }

// Does open, and once a window of this process shows that was not there
// before, runs answer with $w as that window; what it prints, or "no new window".
inline std::string AnswerNewWindow(const std::string& answer, const std::function<void()>& open)
{
    std::string before = " ";
    for (unsigned long w : ShownWindows(getpid()))
        before += std::to_string(w) + " ";
    const std::string script = testing::TempDir() + "answer-new-window.sh";
    std::ofstream(script) << "for i in $(seq 200); do\n"
                             "  for w in $(xdotool search --onlyvisible --pid " << getpid() << "); do\n"
                             "    case '" << before << "' in *\" $w \"*) continue;; esac\n"
                             "    sleep 0.5; " << answer << "\n"
                             "    exit 0\n"
                             "  done; sleep 0.1\ndone; echo no new window\n";
    return OutputOf("timeout 30 sh " + script, open);
}
