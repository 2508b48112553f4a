// Turns the pixel data of a normalised bitmap into tightly packed red, green,
// blue rows, bottom row first, in one pass over the file.
#pragma once

#include "DibHeader.h"

// out must hold width × |height| × 3 bytes plus one spare byte, which lets
// every pixel be stored as 4 bytes (the next pixel overwrites the fourth).
// Uncompressed rows were checked against the file by ReadDib; an RLE stream
// is checked run by run as it is decoded, and false means it is malformed
// (out is then partly written; *badAt as DecodeRle gives it). Pixels an RLE
// stream skips are black.
bool ConvertDib(const NormalisedDib& dib, unsigned char* out, size_t* badAt);
