// Per-monitor dots per inch: the calls of newer user32 looked up at run time,
// so that the game still loads on Windows 7, and the answers to a change.
#include "app/window_dpi.h"

#include "app/game_shell.h"
#include "app/main_window.h"
#include "app/process_state.h"
#include "game/shell.h"
#include "render/shown_picture.h"

namespace {

using DpiForWindow = UINT(WINAPI*)(HWND);
using MetricForDpi = int(WINAPI*)(int, UINT);

template <typename Function>
Function User32Function(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
}

}  // namespace

int32_t WindowDpi(HWND window) {
    const auto dpiForWindow = User32Function<DpiForWindow>("GetDpiForWindow");
    const int32_t dpi = window && dpiForWindow ? static_cast<int32_t>(dpiForWindow(window)) : 0;
    return dpi > 0 ? dpi : ScreenDpi();
}

int FrameMetric(int index, int32_t dpi) {
    const auto metricForDpi = User32Function<MetricForDpi>("GetSystemMetricsForDpi");
    return metricForDpi ? metricForDpi(index, static_cast<UINT>(dpi)) : GetSystemMetrics(index);
}

// Both halves of wParam carry the new dots per inch; the vertical one is the
// one the game reads everywhere (LOGPIXELSY).
LRESULT OnDpiChanged(HWND window, WPARAM dpis, LPARAM suggested) {
    const RECT& place = *reinterpret_cast<const RECT*>(suggested);
    const int32_t dpi = HIWORD(dpis);
    RefitBothPictures(FitOnMonitor(MonitorFromRect(&place, MONITOR_DEFAULTTONEAREST), dpi));
    PlaceForPicture(window, place.left, place.top, dpi);
    RepaintBoard();
    return 0;
}

LRESULT OnGetDpiScaledSize(HWND window, WPARAM dpi, LPARAM size) {
    const int32_t newDpi = static_cast<int32_t>(dpi);
    const PictureFit fit = FitOnMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), newDpi);
    ShownSize shown = ShownSizeOfFile(gameState.picturePath, fit);
    if (shown.width == 0)
        shown = {sourcePicture.Width(), sourcePicture.Height()};
    *reinterpret_cast<SIZE*>(size) = MainWindowSizeFor(shown.width, shown.height, newDpi);
    return TRUE;
}
