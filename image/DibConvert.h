// Turns the pixel data of a normalised bitmap into tightly packed red, green,
// blue rows, bottom row first, converting each piece of the file as it is read.
#pragma once

#include "ByteSource.h"
#include "DibHeader.h"

// out must hold width × |height| × 3 bytes plus one spare byte, which lets
// every pixel be stored as 4 bytes (the next pixel overwrites the fourth).
// source holds the file ReadDib read. False, with *failure filled in and out
// partly written, when the rows end sooner than ReadDib found (a file cut
// while it is read: PixelsCut) or an RLE stream, checked run by run, is
// malformed (RleMalformed, at the file's offset of the pair at fault). Pixels
// an RLE stream skips are black.
bool ConvertDib(const NormalisedDib& dib, ByteSource& source, unsigned char* out, DibFailure* failure);
