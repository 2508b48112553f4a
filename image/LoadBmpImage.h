// Reads a Windows or OS/2 bitmap file into a new RgbImage.
#pragma once

#include "RgbImage.h"

#include <cstdint>

// Returns a new record (free its pixels, then the record, with free), or
// nullptr after exactly one notice (see Notice.h) that says why.
RgbImage* LoadBmpImage(const char* name);
// name is a const char* file name when wide is false, a const wchar_t* one when true.
RgbImage* LoadBmpImage(const void* name, bool wide);

// The number of colour-table entries that the bitmap header at header
// (12-byte OS/2 or 40-byte Windows form) announces.
uint16_t CountPaletteColors(const void* header);
