// The picture catalogue: the "Puzzle*.bmp" files beside the executable, one
// used flag each, and the choice of the picture for each new game.
#pragma once

#include <cstdint>

#include "catalogue/collections.h"

struct PictureCatalogue {
    StringArray paths;    // upper-case full paths, in directory-search order
    FlagArray usedFlags;  // 1 once the picture at the same index was used
    int32_t allUsed;
};

extern PictureCatalogue pictureCatalogue;

// Fills the catalogue from the executable's directory (Win32).
void ScanPictures();
// The same for an executable at modulePath, a full Windows path.
void ScanPicturesBeside(const char* modulePath);

int32_t PictureCount();
const char* PicturePath(int32_t index);
int32_t FindPicture(const char* path);  // -1 when not listed
int32_t ChooseNextPicture();
void MarkPictureUsed(int32_t index);

// Maps a-z to A-Z in place; every other byte stays as it is.
void UpperCaseAscii(char* text);
