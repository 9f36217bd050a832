// Prints the Win32 geometry of the running game's main window, as a
// DPI-aware program sees it, for the end-to-end tests: its client size, its
// rectangle, its monitor's work area and the screen's dots per inch.
#include <windows.h>

#include <cstdio>

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
    std::printf("client %ld %ld\nwindow %ld %ld %ld %ld\nwork %ld %ld %ld %ld\ndpi %d\n", client.right,
                client.bottom, outer.left, outer.top, outer.right, outer.bottom, monitor.rcWork.left,
                monitor.rcWork.top, monitor.rcWork.right, monitor.rcWork.bottom,
                GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    return 0;
}
