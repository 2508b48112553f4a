#include "DibPixels.h"

namespace {

// The most bytes one step reads: a pair, then an absolute run of 255 pixels
// and its pad.
constexpr size_t kLongestStep = 2 + 256;

// The decoder's place in the stream and in the picture.
struct RleState
{
    ByteSource* source;
    const unsigned char* window;   // the stream's bytes from the file's offset windowStart
    size_t windowStart;
    bool last;                     // the window reaches the end of the file
    const unsigned char* in;
    const unsigned char* end;
    const unsigned char (*palette)[4];
    unsigned char* out;      // the picture's first byte
    unsigned char* cursor;   // at (x, y): the first pixel not yet written
    size_t width;
    size_t rows;
    size_t x;
    size_t y;
    bool fourBit;
    const unsigned char* pair;   // the run or escape being decoded
};

// Leaves the pixels up to (newX, newY) black and moves there.
void SkipTo(RleState& s, size_t newX, size_t newY)
{
    unsigned char* next = s.out + (newY * s.width + newX) * 3;
    std::memset(s.cursor, 0, static_cast<size_t>(next - s.cursor));
    s.cursor = next;
    s.x = newX;
    s.y = newY;
}

bool EndOfLine(RleState& s)
{
    // There is no row past the last to go on to.
    if (s.y >= s.rows)
        return false;
    SkipTo(s, 0, s.y + 1);
    return true;
}

// Moves right and up by the two bytes after the escape.
bool Delta(RleState& s)
{
    // The two offsets belong to the escape.
    if (s.end - s.in < 2)
        return false;
    const size_t newX = s.x + s.in[0];
    const size_t newY = s.y + s.in[1];
    s.in += 2;
    // It may not leave the picture, except to where the last row's end of line leads.
    if (!((newY < s.rows && newX <= s.width) || (newY == s.rows && newX == 0)))
        return false;
    SkipTo(s, newX, newY);
    return true;
}

// How many of count pixels from x fit in the row: tools pad rows past the
// width, and what passes the row's end is dropped.
unsigned Clip(const RleState& s, unsigned count)
{
    return count < s.width - s.x ? count : static_cast<unsigned>(s.width - s.x);
}

// count pixels of one colour, or in RLE4 of two alternating ones.
bool EncodedRun(RleState& s, unsigned count, unsigned value)
{
    // There is no row past the last to draw in.
    if (s.y >= s.rows)
        return false;
    count = Clip(s, count);
    const unsigned char* first = s.palette[s.fourBit ? value >> 4 : value];
    const unsigned char* second = s.palette[s.fourBit ? value & 15 : value];
    if (first == second) {   // every RLE8 run: the loop without the choice is faster
        for (unsigned i = 0; i < count; ++i, s.cursor += 3)
            PutColor(s.cursor, first);
    } else {
        for (unsigned i = 0; i < count; ++i, s.cursor += 3)
            PutColor(s.cursor, (i & 1) ? second : first);
    }
    s.x += count;
    return true;
}

// count pixels given one by one, padded to a 16-bit boundary; the stream
// goes on after all of them, also those dropped past the row's end.
bool AbsoluteRun(RleState& s, unsigned count)
{
    const size_t bytes = s.fourBit ? (count + 1) / 2 : count;
    // The run and its padding must be in the file.
    const size_t padded = (bytes + 1) & ~size_t{1};
    if (static_cast<size_t>(s.end - s.in) < padded)
        return false;
    if (s.y >= s.rows)
        return false;
    count = Clip(s, count);
    if (s.fourBit) {
        for (unsigned i = 0; i < count; ++i, s.cursor += 3)
            PutColor(s.cursor, s.palette[(i & 1) ? (s.in[i / 2] & 15) : (s.in[i / 2] >> 4)]);
    } else {
        for (unsigned i = 0; i < count; ++i, s.cursor += 3)
            PutColor(s.cursor, s.palette[s.in[i]]);
    }
    s.in += padded;
    s.x += count;
    return true;
}

// Brings the next piece of the stream into the window, from s.in on.
void Refill(RleState& s)
{
    const size_t at = s.windowStart + static_cast<size_t>(s.in - s.window);
    size_t got = 0;
    s.window = s.in = s.source->Get(at, kLongestStep, &got);
    s.windowStart = at;
    s.end = s.in + got;
    s.last = got < kLongestStep;
}

// The pairs from the stream's start, until the end of the bitmap or a fault.
bool DecodeStream(RleState& s)
{
    for (;;) {
        // With a whole step in the window, the checks below see the file's end only where it is.
        if (!s.last && static_cast<size_t>(s.end - s.in) < kLongestStep)
            Refill(s);
        s.pair = s.in;
        // Data may end without an end-of-bitmap only once every row is ended.
        if (s.in == s.end)
            return s.y == s.rows;
        // Runs and escapes come in pairs of bytes.
        if (s.end - s.in < 2)
            return false;
        const unsigned count = s.in[0];
        const unsigned value = s.in[1];
        s.in += 2;
        bool ok;
        if (count > 0) {
            ok = EncodedRun(s, count, value);
        } else if (value == 0) {
            ok = EndOfLine(s);
        } else if (value == 1) {   // end of bitmap
            SkipTo(s, 0, s.rows);
            return true;
        } else if (value == 2) {
            ok = Delta(s);
        } else {
            ok = AbsoluteRun(s, value);
        }
        if (!ok)
            return false;
    }
}

}  // namespace

bool DecodeRle(const NormalisedDib& dib, const Palette palette, ByteSource& source, unsigned char* out,
               size_t* badAt)
{
    RleState s{&source, nullptr, dib.bitsStart, false, nullptr, nullptr, palette, out, out,
               static_cast<size_t>(dib.header.width), DibRows(dib.header), 0, 0,
               dib.header.compression == kBiRle4, nullptr};
    if (DecodeStream(s))
        return true;
    *badAt = s.windowStart + static_cast<size_t>(s.pair - s.window);
    return false;
}
