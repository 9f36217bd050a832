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

// How a picture loaded now is fitted: on the main window's monitor at the
// window's dots per inch, or on the primary one at the screen's while there
// is no window, never below the grid size in pixels.
PictureFit FitOnWindowsMonitor();

// How a picture is fitted for a window at dpi on monitor.
PictureFit FitOnMonitor(HMONITOR monitor, int32_t dpi);

// The outer size of a main window at dpi whose client area shows a picture
// of that size (none when the width is 0), the menu bar taking one line.
SIZE MainWindowSizeFor(int32_t pictureWidth, int32_t pictureHeight, int32_t dpi);

// Sizes window at dpi for the source picture, its top-left corner at (left,
// top), until its client area is the picture's size; then moves it only as
// far as its monitor's work area needs.
void PlaceForPicture(HWND window, LONG left, LONG top, int32_t dpi);

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
