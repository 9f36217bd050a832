// Pictures given from outside the catalogue: named on the command line,
// dropped on the window, or handed over by a second start. Each plays as a
// new game on that picture (NewGameWithPicture) when it loads.
#pragma once

#include <windows.h>

#include <cstdint>

#include "render/picture_fit.h"
#include "render/picture_bitmap.h"

// Reads the command line's pictures, as full paths against the current
// directory; once, at start-up.
void ReadGivenPictures();
bool HasGivenPictures();

// The shown size under fit of the first given picture whose header reads;
// false when there is none.
bool GivenPictureShownSize(const PictureFit& fit, ShownSize& size);

// Plays the first given picture that loads; 0, with the warning sound, when
// none does (and 0 silently when none was given).
int32_t PlayGivenPictures();

// Sends the given pictures to the running game's window; nothing when none
// was given.
void HandGivenPicturesTo(HWND running);

// WM_COPYDATA: a list of pictures from a second start plays as the command
// line's does; TRUE when the data was such a list.
LRESULT OnCopyData(const COPYDATASTRUCT* copy);

// Plays the picture that name (a path, made full against the current
// directory) gives when it is a picture file that loads; 0 otherwise.
int32_t PlayPictureNamed(const wchar_t* name);

// The system's warning sound, for a given picture that does not load.
void WarnNotAPicture();
