// The colour count and the normalised header built from either header form.
#include "DibHeader.h"
#include "LoadBmpImage.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

// A 40-byte block with a header size, the OS/2 and the Windows bit count and
// colours used at their offsets.
uint16_t Count(uint8_t size, uint8_t os2Bits, uint8_t windowsBits, uint32_t colorsUsed)
{
    Bytes h(40, 0);
    h[0] = size;
    h[10] = os2Bits;
    h[14] = windowsBits;
    for (int i = 0; i < 4; ++i)
        h[32 + i] = static_cast<uint8_t>(colorsUsed >> (8 * i));
    return CountPaletteColors(h.data());
}

TEST(CountPaletteColors, Os2HeadersCountFromTheBitCountAlone)
{
    EXPECT_EQ(Count(12, 1, 8, 77), 2);
    EXPECT_EQ(Count(12, 4, 8, 77), 16);
    EXPECT_EQ(Count(12, 8, 8, 77), 256);
    EXPECT_EQ(Count(12, 24, 8, 77), 0);
    EXPECT_EQ(Count(12, 16, 8, 77), 0);
}

TEST(CountPaletteColors, WindowsHeadersCountColorsUsedFirst)
{
    EXPECT_EQ(Count(40, 0, 1, 0), 2);
    EXPECT_EQ(Count(40, 0, 4, 0), 16);
    EXPECT_EQ(Count(40, 0, 8, 0), 256);
    EXPECT_EQ(Count(40, 0, 24, 0), 0);
    EXPECT_EQ(Count(40, 0, 8, 7), 7);
    EXPECT_EQ(Count(40, 0, 24, 300), 300);
    EXPECT_EQ(Count(40, 0, 8, 0x10005), 5);   // its low 16 bits
    EXPECT_EQ(Count(40, 0, 8, 0x10000), 0);
}

TEST(NormalisedHeader, Os2FormIsWidenedToTheWindowsForm)
{
    BmpFields f;
    f.os2 = true;
    f.fileHeader = false;
    f.bitCount = 4;
    f.width = 13;
    f.height = 3;
    f.palette.assign(16, Rgb{0x30, 0x20, 0x10});
    f.palette[1] = {0x33, 0x22, 0x11};
    f.bits.assign(8 * 3, 0);
    const Bytes file = BuildBmp(f);
    NormalisedDib dib;
    ASSERT_EQ(ReadDib(file.data(), file.size(), &dib), DibError::None);
    const DibInfoHeader& h = dib.header;
    EXPECT_EQ(h.size, 40u);
    EXPECT_EQ(h.width, 13);
    EXPECT_EQ(h.height, 3);
    EXPECT_EQ(h.compression, 0u);
    EXPECT_EQ(h.sizeImage, 7u * 3);   // rows of exactly 7 bytes, not padded to 8
    EXPECT_EQ(h.clrUsed, 16u);
    EXPECT_EQ(h.clrImportant, 16u);
    EXPECT_EQ(Bytes(dib.colors[1], dib.colors[1] + 4), (Bytes{0x11, 0x22, 0x33, 0}));
    EXPECT_EQ(dib.bits, file.data() + 12 + 16 * 3);
}

TEST(NormalisedHeader, WindowsFormIsCopiedWithZerosFilledIn)
{
    BmpFields f;
    f.bitCount = 8;
    f.width = 2;
    f.palette.assign(256, Rgb{1, 2, 3});
    f.bits = {0, 0, 0, 0};
    Bytes file = BuildBmp(f);
    file[14 + 40 + 3] = 0x99;   // an entry's reserved byte is kept
    NormalisedDib dib;
    ASSERT_EQ(ReadDib(file.data(), file.size(), &dib), DibError::None);
    EXPECT_EQ(dib.header.sizeImage, 2u);
    EXPECT_EQ(dib.header.clrUsed, 256u);
    EXPECT_EQ(dib.header.xPelsPerMeter, 2835);
    EXPECT_EQ(Bytes(dib.colors[0], dib.colors[0] + 4), (Bytes{3, 2, 1, 0x99}));

    f.sizeImage = 1234;   // a given image size stays
    file = BuildBmp(f);
    ASSERT_EQ(ReadDib(file.data(), file.size(), &dib), DibError::None);
    EXPECT_EQ(dib.header.sizeImage, 1234u);
}

}  // namespace
