#include "Notice.h"

#include <atomic>
#include <cstdio>

namespace {

// Atomic so that a handler installed on one thread is seen by a load on another.
std::atomic<NoticeHandler> g_handler{nullptr};

// For a program without a GUI: the code and its numbers, untranslated.
void WriteToStandardError(const DibFailure& failure)
{
    std::fprintf(stderr, "bitmap refused: %s%s%s (found %lld, limit %lld, at %lld)\n",
                 DibReasonName(failure.reason), failure.name[0] ? " " : "", failure.name,
                 static_cast<long long>(failure.found), static_cast<long long>(failure.limit),
                 static_cast<long long>(failure.at));
    std::fflush(stderr);
}

}  // namespace

NoticeHandler SetNoticeHandler(NoticeHandler handler)
{
    return g_handler.exchange(handler);
}

void ShowNotice(const DibFailure& failure)
{
    NoticeHandler handler = g_handler.load();
    if (handler)
        handler(failure);
    else
        WriteToStandardError(failure);
}
