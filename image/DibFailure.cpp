#include "DibFailure.h"

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
