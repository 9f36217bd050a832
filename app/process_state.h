// The process-wide state of the program, in one place: the game state, the
// picture catalogue, the two pictures, and the module and window handles.
#pragma once

#include <windows.h>

#include "catalogue/picture_catalogue.h"
#include "game/game_state.h"
#include "render/picture_bitmap.h"

extern PictureBitmap sourcePicture;  // tiles are cut from it; its size is the board's
extern PictureBitmap canvasPicture;  // the board is composed on it off-screen
extern HINSTANCE moduleHandle;
extern HWND mainWindow;
