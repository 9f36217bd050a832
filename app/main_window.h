// The main window: its class, its creation and size, the repaint of the
// board (FitWindowToPicture and RepaintBoard, declared in game/shell.h) and
// the window procedure.
#pragma once

#include <windows.h>

#include <cstdint>

#include "render/picture_bitmap.h"
#include "render/picture_fit.h"

constexpr char MAIN_CLASS_NAME[] = "VOLTARI88_PUZZLE";

void RegisterMainClass(HINSTANCE instance);

// The hidden main window, centred on the screen for a picture of that size
// (none when the width is 0); null when it cannot be created.
HWND CreateMainWindow(int32_t pictureWidth, int32_t pictureHeight);

// The screen's dots per inch (96 at 100% display scaling).
int32_t ScreenDpi();

// How a picture loaded now is fitted: on the main window's monitor, or the
// primary one while there is no window, at the screen's dots per inch, never
// below the grid size in pixels.
PictureFit FitOnWindowsMonitor();

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
