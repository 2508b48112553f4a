// Reads a Windows or OS/2 bitmap file into a new RgbImage.
#pragma once

#include "RgbImage.h"

// Returns a new record (release it with FreeRgbImage), or
// nullptr after exactly one notice (see Notice.h) that says why.
RgbImage* LoadBmpImage(const char* name);
// name is a const char* file name when wide is false, a const wchar_t* one when true.
RgbImage* LoadBmpImage(const void* name, bool wide);

// Frees a record that a load returned: its pixels, then the record. Null is ignored.
void FreeRgbImage(RgbImage* image);
