// A picture file as it is shown: its size on the screen, and its pixels
// decoded, resampled and turned upright into a new 32-bit section.
#pragma once

#include <windows.h>

#include "render/picture_bitmap.h"
#include "render/picture_fit.h"
#include "render/picture_header.h"

// The size a picture with this header is shown at under fit (upright).
ShownSize ShownSizeOf(const PictureHeader& header, const PictureFit& fit);

// The shown size of the picture file at path, from its header alone; 0 by 0
// when the header does not give one.
ShownSize ShownSizeOfFile(const char* path, const PictureFit& fit);

// A new 32-bit section, its rows stored top-down, holding the picture at
// path resampled by area to shown and turned upright; null when the file
// does not load.
HBITMAP MakeShownPicture(HINSTANCE instance, const char* path, const PictureHeader& header, ShownSize shown);
