// Why the loader refused a file: one code for each check it makes, with the
// numbers that check found. The loader has no words of its own; whoever shows
// the refusal turns the code into a sentence in the user's language.
#pragma once

#include <cstddef>
#include <cstdint>

enum class DibReason
{
    None,
    CannotOpen,            // name: missing, unreadable, not a regular file, or empty
    HeadersCut,            // found: the file's bytes; limit: the bytes its headers take
    UnknownHeaderSize,     // found: the bitmap header's size field
    PlaneCount,            // found: the planes field, which must be 1
    NoPixels,              // found: a width below 1 or a height of 0
    SideTooLarge,          // found: the width or height; limit: kMaxSide
    ImageTooLarge,         // found: the picture's bytes; limit: the most there may be
    PaletteCut,            // found: the colours announced; limit: the entries the file holds
    PixelsInsideHeaders,   // found: the pixel offset; limit: where the headers end
    PixelsPastEnd,         // found: the pixel offset; limit: the file's bytes
    BitCount,              // found: the bit count; limit: the compression it came with
    Compression,           // found: the compression field
    Masks,                 // found: the first mask that cannot split a pixel; limit: the bit count
    TopDownRle,            // found: the (negative) height of a compressed picture
    PixelsCut,             // found: the bytes of pixel data; limit: the bytes the rows take
    RleMalformed,          // at: the file's byte where the compressed stream breaks
    OverBudget,            // found: the picture's pixels; limit: the most a load takes
    OutOfMemory,           // found: the bytes that could not be had
};

// A name is shown whole up to this many bytes, else as "..." and its end, so
// that a notice with it stays within 256 bytes.
constexpr size_t kMaxShownName = 229;

struct DibFailure
{
    DibReason reason = DibReason::None;
    int64_t found = 0;
    int64_t limit = 0;
    int64_t at = 0;
    char name[kMaxShownName + 1] = {};   // UTF-8, for CannotOpen
};

// The code's name as written above ("PaletteCut"), for logs and test output.
const char* DibReasonName(DibReason reason);

// Fills in failure; false, for the check that refuses to return.
inline bool Refuse(DibFailure* failure, DibReason reason, int64_t found, int64_t limit = 0)
{
    failure->reason = reason;
    failure->found = found;
    failure->limit = limit;
    return false;
}
