// The picture catalogue: the picture files beside the executable (the
// bitmap mask of the resources, then the PNG, JPEG and GIF masks), one used
// flag each, and the choice of the picture for each new game.
#pragma once

#include <cstdint>

#include "catalogue/collections.h"

struct PictureCatalogue {
    StringArray paths;    // upper-case full paths, in directory-search order
    FlagArray usedFlags;  // 1 once the picture at the same index was used
    int32_t allUsed = 0;  // 1 once every picture was used; stays 1 for the run
};

extern PictureCatalogue pictureCatalogue;

// Fills the catalogue from the executable's directory (Win32). A file whose
// full path would not fit GameState::picturePath is left out.
void ScanPictures();
// The same for an executable at modulePath, a full Windows path.
void ScanPicturesBeside(const char* modulePath);

int32_t PictureCount();
const char* PicturePath(int32_t index);  // "" for an index that is not listed
int32_t FindPicture(const char* path);   // -1 when not listed
// The picture for a new game (-1 only for an empty catalogue). Draws from the
// process-wide generator: never with one picture, once while some picture is
// unused, then until the draw differs from the current picture.
int32_t ChooseNextPicture();
void MarkPictureUsed(int32_t index);

// Maps a-z to A-Z in place; every other byte stays as it is.
void UpperCaseAscii(char* text);
