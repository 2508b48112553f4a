// A decoded picture: tightly packed red, green, blue bytes, bottom row first.
#pragma once

#include <cstdint>

struct RgbImage
{
    int32_t width;
    int32_t height;
    unsigned char* pixels;   // width * height * 3 bytes; malloc'd, like the record
};
