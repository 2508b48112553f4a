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

const char* DibReasonName(DibReason reason)
{
    switch (reason) {
    case DibReason::None: return "None";
    case DibReason::CannotOpen: return "CannotOpen";
    case DibReason::HeadersCut: return "HeadersCut";
    case DibReason::UnknownHeaderSize: return "UnknownHeaderSize";
    case DibReason::PlaneCount: return "PlaneCount";
    case DibReason::NoPixels: return "NoPixels";
    case DibReason::SideTooLarge: return "SideTooLarge";
    case DibReason::ImageTooLarge: return "ImageTooLarge";
    case DibReason::PaletteCut: return "PaletteCut";
    case DibReason::PixelsInsideHeaders: return "PixelsInsideHeaders";
    case DibReason::PixelsPastEnd: return "PixelsPastEnd";
    case DibReason::BitCount: return "BitCount";
    case DibReason::Compression: return "Compression";
    case DibReason::Masks: return "Masks";
    case DibReason::TopDownRle: return "TopDownRle";
    case DibReason::PixelsCut: return "PixelsCut";
    case DibReason::RleMalformed: return "RleMalformed";
    case DibReason::OverBudget: return "OverBudget";
    case DibReason::OutOfMemory: return "OutOfMemory";
    }
    return "?";
}

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
