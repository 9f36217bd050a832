// In-memory pictures for the Win32 tests and the benchmark: a DIB section
// made from a bitmap layout exactly as its file would load, and the reading
// of any bitmap's pixels back as colour values.
#pragma once

#include <windows.h>

#include <vector>

#include "tools/bitmaps/bitmap_file.h"

// A DIB section of the layout's size, depth and row order holding its pixels
// (at 8 bits or fewer with its colour table); null when none can be made.
HBITMAP PictureSection(const BitmapLayout& layout);

// Every pixel of bitmap, top row first; empty when it cannot be read.
std::vector<Colour> BitmapPixels(HBITMAP bitmap);
