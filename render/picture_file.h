// Picture files on disk: the checks and the header read before any pixel is
// decoded.
#pragma once

#include <cstdint>

#include "render/picture_header.h"
#include "render/pixel_rows.h"

// 1 when the file at path opens for reading and holds everything its headers
// declare (FitsDeclaredLayout); 0 otherwise. Reads only the headers, opens
// the file for reading only and closes it before returning.
int32_t PictureFileFitsItsHeader(const char* path);

// ReadPictureHeader over the file at path; 0 when it cannot be opened or its
// header gives no picture.
int32_t ReadPictureFileHeader(const char* path, PictureHeader& header);

// The rows of a BMP whose pixels are stored as bytes B, G, R (and one unused
// byte at 32 bits), read in place from a read-only view of the file, with no
// copy: view is what UnmapViewOfFile takes back. 0, with nothing mapped, for
// another layout or a file that does not hold what its headers declare.
int32_t MapPlainBmpRows(const char* path, const void*& view, PixelRows& rows);
