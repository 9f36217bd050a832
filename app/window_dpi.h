// The main window's dots per inch where Windows gives each monitor a scale
// of its own, and the window fitted again when it goes to a monitor of
// another scale.
#pragma once

#include <windows.h>

#include <cstdint>

// Sent from Windows 8.1 and 10 1703 on; the headers of the oldest Windows the
// game runs on do not name them.
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif
#ifndef WM_GETDPISCALEDSIZE
#define WM_GETDPISCALEDSIZE 0x02E4
#endif

// The dots per inch of window: GetDpiForWindow's where user32 has it (from
// Windows 10 1607 on), the screen's otherwise.
int32_t WindowDpi(HWND window);

// GetSystemMetrics(index) at dpi where user32 can scale it
// (GetSystemMetricsForDpi), the system's own metric otherwise.
int FrameMetric(int index, int32_t dpi);

// WM_DPICHANGED: the picture played is fitted again at the new dots per inch
// on the suggested rectangle's monitor, as a new game would fit it, and the
// window takes that rectangle's top-left corner and the size for it. The
// board stays as it is; a picture that no longer loads stays as it was.
LRESULT OnDpiChanged(HWND window, WPARAM dpis, LPARAM suggested);

// WM_GETDPISCALEDSIZE: the window size at the new dots per inch whose client
// area holds the picture as the change will fit it, so that Windows does not
// scale the window on its own.
LRESULT OnGetDpiScaledSize(HWND window, WPARAM dpi, LPARAM size);
