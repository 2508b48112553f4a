#include "WideName.h"

#include <cstdint>
#include <type_traits>

namespace {

constexpr uint32_t kReplacement = 0xFFFD;

// Reads one character at p, moving p past it.
uint32_t NextCodePoint(const wchar_t*& p, bool* lossy)
{
    using Unit = std::make_unsigned_t<wchar_t>;
    uint32_t c = static_cast<Unit>(*p++);
    if constexpr (sizeof(wchar_t) == 2) {
        // A high surrogate followed by a low one is one character past U+FFFF.
        if (c >= 0xD800 && c <= 0xDBFF) {
            const uint32_t low = static_cast<Unit>(*p);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                ++p;
                return 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
            }
        }
    }
    if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
        if (lossy)
            *lossy = true;
        return kReplacement;
    }
    return c;
}

size_t Utf8Length(uint32_t c)
{
    return c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
}

void PutUtf8(uint32_t c, char* out)
{
    switch (Utf8Length(c)) {
    case 1:
        out[0] = static_cast<char>(c);
        break;
    case 2:
        out[0] = static_cast<char>(0xC0 | (c >> 6));
        out[1] = static_cast<char>(0x80 | (c & 0x3F));
        break;
    case 3:
        out[0] = static_cast<char>(0xE0 | (c >> 12));
        out[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out[2] = static_cast<char>(0x80 | (c & 0x3F));
        break;
    default:
        out[0] = static_cast<char>(0xF0 | (c >> 18));
        out[1] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out[2] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out[3] = static_cast<char>(0x80 | (c & 0x3F));
        break;
    }
}

}  // namespace

size_t WideToUtf8(const wchar_t* name, char* out, size_t outSize, bool* lossy)
{
    size_t length = 0;
    for (const wchar_t* p = name; *p;)
        length += Utf8Length(NextCodePoint(p, lossy));
    if (out && length < outSize) {
        char* o = out;
        for (const wchar_t* p = name; *p;) {
            const uint32_t c = NextCodePoint(p, nullptr);
            PutUtf8(c, o);
            o += Utf8Length(c);
        }
        *o = '\0';
    }
    return length;
}

const wchar_t* WideTailWithin(const wchar_t* name, size_t maxBytes)
{
    size_t remaining = WideToUtf8(name, nullptr, 0, nullptr);
    const wchar_t* p = name;
    while (remaining > maxBytes)
        remaining -= Utf8Length(NextCodePoint(p, nullptr));
    return p;
}
