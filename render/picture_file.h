// The check of a picture file on disk before the system's loader reads it.
#pragma once

#include <cstdint>

// 1 when the file at path opens for reading and holds everything its headers
// declare (FitsDeclaredLayout); 0 otherwise. Reads only the headers, opens
// the file for reading only and closes it before returning.
int32_t PictureFileFitsItsHeader(const char* path);
