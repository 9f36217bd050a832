// The main window: its class, its creation and size, the repaint of the
// board (FitWindowToPicture and RepaintBoard, declared in game/shell.h) and
// the window procedure.
#pragma once

#include <windows.h>

constexpr char MAIN_CLASS_NAME[] = "VOLTARI88_PUZZLE";

void RegisterMainClass(HINSTANCE instance);

// The hidden main window, centred on the screen for the canvas picture's
// size; null when it cannot be created.
HWND CreateMainWindow();

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
