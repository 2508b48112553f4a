#include "Notice.h"

#include <atomic>
#include <cstdio>
#include <cstring>

namespace {

// Atomic so that a handler installed on one thread is seen by a load on another.
std::atomic<NoticeHandler> g_handler{nullptr};

void WriteToStandardError(const char* caption, const char* text)
{
    // The open-failure text already ends its line; the others do not.
    const size_t length = std::strlen(text);
    const char* end = (length > 0 && text[length - 1] == '\n') ? "" : "\n";
    std::fprintf(stderr, "%s: %s%s", caption, text, end);
    std::fflush(stderr);
}

}  // namespace

NoticeHandler SetNoticeHandler(NoticeHandler handler)
{
    return g_handler.exchange(handler);
}

void ShowNotice(const char* caption, const char* text)
{
    NoticeHandler handler = g_handler.load();
    if (handler)
        handler(caption, text);
    else
        WriteToStandardError(caption, text);
}
