// Prints the Win32 geometry of the running game's main window, as a
// DPI-aware program sees it, for the end-to-end tests: its client size, its
// rectangle, its monitor's work area and the screen's dots per inch; and,
// while the About box is open, how many rows of its link hold its blue
// (some pixels of a resampled screen only near it), read from the screen in
// this program's own coordinates.
#include <windows.h>

#include <cstdio>

#include "common/resource_ids.h"

int BlueRows(const RECT& area) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP copy = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC screen = GetDC(nullptr), memory = CreateCompatibleDC(screen);
    HGDIOBJ previous = SelectObject(memory, copy);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    int rows = 0;
    for (int y = 0; y < height; ++y) {
        const DWORD* row = static_cast<const DWORD*>(bits) + y * width;
        bool blue = false;
        for (int x = 0; x < width; ++x)
            blue = blue || ((row[x] & 0xFF) >= 0xC0 && (row[x] >> 8 & 0xFF) < 0x80 && (row[x] >> 16 & 0xFF) < 0x80);
        rows += blue;
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    DeleteObject(copy);
    return rows;
}

int main() {
    using SetAware = BOOL(WINAPI*)();
    const auto setAware = reinterpret_cast<SetAware>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "SetProcessDPIAware")));
    if (setAware)
        setAware();
    HWND window = FindWindowA("VOLTARI88_PUZZLE", nullptr);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    RECT client = {}, outer = {};
    if (!window || !GetClientRect(window, &client) || !GetWindowRect(window, &outer) ||
        !GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor))
        return 1;
    HDC screen = GetDC(nullptr);
    std::printf("client %ld %ld\nwindow %ld %ld %ld %ld\nwork %ld %ld %ld %ld\ndpi %d\n", client.right, client.bottom,
                outer.left, outer.top, outer.right, outer.bottom, monitor.rcWork.left, monitor.rcWork.top,
                monitor.rcWork.right, monitor.rcWork.bottom, GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    RECT link = {};
    HWND about = FindWindowA("#32770", "Zelvany - Puzzle");
    if (about && GetWindowRect(GetDlgItem(about, IDC_LINK), &link))
        std::printf("link %d\n", BlueRows(link));
    return 0;
}
