#include "DibConvert.h"

#include "DibMasks.h"
#include "DibPixels.h"

#if (defined(__GNUC__) || defined(__clang__)) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>
#endif

namespace {

void BuildPalette(const NormalisedDib& dib, Palette palette)
{
    // Indices past the file's table read as black.
    std::memset(palette, 0, sizeof(Palette));
    const unsigned count = dib.colorCount < 256 ? dib.colorCount : 256;
    for (unsigned i = 0; i < count; ++i) {
        palette[i][0] = dib.colors[i][2];
        palette[i][1] = dib.colors[i][1];
        palette[i][2] = dib.colors[i][0];
    }
}

void Row1(const unsigned char* in, unsigned char* out, size_t width, const Palette palette)
{
    size_t x = 0;
    for (; x + 8 <= width; x += 8, ++in) {
        const unsigned bits = *in;
        for (int shift = 7; shift >= 0; --shift, out += 3)
            PutColor(out, palette[(bits >> shift) & 1]);
    }
    // The last byte of a row may hold fewer than 8 pixels.
    for (int shift = 7; x < width; ++x, --shift, out += 3)
        PutColor(out, palette[(*in >> shift) & 1]);
}

void Row4(const unsigned char* in, unsigned char* out, size_t width, const Palette palette)
{
    size_t x = 0;
    for (; x + 2 <= width; x += 2, ++in, out += 6) {
        PutColor(out, palette[*in >> 4]);
        PutColor(out + 3, palette[*in & 15]);
    }
    if (x < width)
        PutColor(out, palette[*in >> 4]);
}

void Row8(const unsigned char* in, unsigned char* out, size_t width, const Palette palette)
{
    for (size_t x = 0; x < width; ++x, out += 3)
        PutColor(out, palette[in[x]]);
}

// 16- and 32-bit pixels, little-endian, split by their masks.
template <int kBytes>
void RowMasked(const unsigned char* in, unsigned char* out, size_t width, const MaskedChannel* channels)
{
    const MaskedChannel& r = channels[0];
    const MaskedChannel& g = channels[1];
    const MaskedChannel& b = channels[2];
    for (size_t x = 0; x < width; ++x, in += kBytes, out += 3) {
        uint32_t v = in[0] | static_cast<uint32_t>(in[1]) << 8;
        if (kBytes == 4)
            v |= static_cast<uint32_t>(in[2]) << 16 | static_cast<uint32_t>(in[3]) << 24;
        const unsigned char rgb[4] = {r.widen[v >> r.shift & r.bits], g.widen[v >> g.shift & g.bits],
                                      b.widen[v >> b.shift & b.bits], 0};
        PutColor(out, rgb);
    }
}

void Row24(const unsigned char* in, unsigned char* out, size_t width)
{
    for (size_t x = 0; x < width; ++x, in += 3, out += 3) {
        const unsigned char rgb[4] = {in[2], in[1], in[0], 0};
        PutColor(out, rgb);
    }
}

using Row24Function = void (*)(const unsigned char* in, unsigned char* out, size_t width);

#if (defined(__GNUC__) || defined(__clang__)) && (defined(__x86_64__) || defined(__i386__))
// 24-bit rows are most of a large picture's time: swap red and blue in five
// pixels per 16-byte shuffle. Each store's 16th byte falls on the next pixel,
// which is written after it.
__attribute__((target("ssse3"))) void Row24Ssse3(const unsigned char* in, unsigned char* out, size_t width)
{
    const __m128i swap = _mm_setr_epi8(2, 1, 0, 5, 4, 3, 8, 7, 6, 11, 10, 9, 14, 13, 12, 15);
    size_t x = 0;
    // Six pixels left means the 16-byte load stays within the row.
    for (; x + 6 <= width; x += 5, in += 15, out += 15)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out),
                         _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(in)), swap));
    Row24(in, out, width - x);
}

// Where a processor permutes bytes across 64, 21 pixels go per step, which
// leaves the loop's cost below that of copying the bytes; the 64th byte
// falls on the next pixel, as above.
__attribute__((target("avx512f,avx512bw,avx512vbmi"))) void Row24Vbmi(const unsigned char* in, unsigned char* out,
                                                                     size_t width)
{
    unsigned char order[64];
    for (int i = 0; i < 63; ++i)
        order[i] = static_cast<unsigned char>(i / 3 * 3 + 2 - i % 3);
    order[63] = 63;
    const __m512i swap = _mm512_loadu_si512(order);
    size_t x = 0;
    // Twenty-two pixels left means the 64-byte load stays within the row.
    for (; x + 22 <= width; x += 21, in += 63, out += 63)
        _mm512_storeu_si512(out, _mm512_maskz_permutexvar_epi8(~__mmask64{0}, swap, _mm512_loadu_si512(in)));
    Row24Ssse3(in, out, width - x);
}

Row24Function PickRow24()
{
    if (__builtin_cpu_supports("avx512vbmi") && __builtin_cpu_supports("avx512bw"))
        return Row24Vbmi;
    return __builtin_cpu_supports("ssse3") ? Row24Ssse3 : Row24;
}
#else
Row24Function PickRow24()
{
    return Row24;
}
#endif

// The rows in the file's order, each converted as soon as its piece is read;
// a top-down file's first row is the record's last.
bool ConvertRows(const NormalisedDib& dib, const Palette palette, ByteSource& source, unsigned char* out,
                 DibFailure* failure)
{
    const DibInfoHeader& header = dib.header;
    const size_t width = static_cast<size_t>(header.width);
    const size_t rows = DibRows(header);
    const size_t stride = (width * header.bitCount + 31) / 32 * 4;
    const size_t lastRowBytes = (width * header.bitCount + 7) / 8;
    const size_t outStride = width * 3;
    const bool topDown = header.height < 0;
    // The processor's fastest, chosen once.
    static const Row24Function row24 = PickRow24();
    MaskedChannel channels[3];
    if (header.bitCount == 16 || header.bitCount == 32)
        for (int i = 0; i < 3; ++i)
            BuildChannel(dib.masks[i], &channels[i]);
    for (size_t r = 0; r < rows; ++r) {
        // The last row's padding may be missing, as ReadDib allowed.
        const size_t want = r + 1 < rows ? stride : lastRowBytes;
        size_t got = 0;
        const unsigned char* in = source.Get(dib.bitsStart + r * stride, want, &got);
        // The file was cut after ReadDib measured it.
        if (got < want)
            return Refuse(failure, DibReason::PixelsCut, static_cast<int64_t>(r * stride + got),
                          static_cast<int64_t>(stride * (rows - 1) + lastRowBytes));
        unsigned char* row = out + (topDown ? rows - 1 - r : r) * outStride;
        // A row's last 4-byte store spills into the next row's first byte,
        // which a top-down file's earlier row has already written.
        const bool spillsOnWritten = topDown && r > 0;
        const unsigned char next = spillsOnWritten ? row[outStride] : 0;
        switch (header.bitCount) {
        case 1: Row1(in, row, width, palette); break;
        case 4: Row4(in, row, width, palette); break;
        case 8: Row8(in, row, width, palette); break;
        case 16: RowMasked<2>(in, row, width, channels); break;
        case 24: row24(in, row, width); break;
        case 32: RowMasked<4>(in, row, width, channels); break;
        }
        if (spillsOnWritten)
            row[outStride] = next;
    }
    return true;
}

}  // namespace

bool ConvertDib(const NormalisedDib& dib, ByteSource& source, unsigned char* out, DibFailure* failure)
{
    Palette palette;
    BuildPalette(dib, palette);
    if (dib.header.compression != kBiRle8 && dib.header.compression != kBiRle4)
        return ConvertRows(dib, palette, source, out, failure);
    size_t badAt = 0;
    if (DecodeRle(dib, palette, source, out, &badAt))
        return true;
    Refuse(failure, DibReason::RleMalformed, 0);
    failure->at = static_cast<int64_t>(badAt);
    return false;
}
