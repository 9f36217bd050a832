// The main window on its monitor's work area: created for a picture larger
// than the screen it shows its caption and menu, and fitted to a picture it
// moves only as far as the work area needs.
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "app/process_state.h"
#include "game/shell.h"
#include "support/test_support.h"

namespace {

RECT WorkArea() {
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(mainWindow, MONITOR_DEFAULTTONEAREST), &monitor);
    return monitor.rcWork;
}

// The window's rectangle after it was fitted, from that corner, to a source
// picture of that size.
RECT FitFrom(LONG left, LONG top, int32_t width, int32_t height) {
    SetWindowPos(mainWindow, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    sourcePicture.Attach(CreateBitmap(width, height, 1, 1, nullptr));
    FitWindowToPicture();
    RECT window;
    GetWindowRect(mainWindow, &window);
    return window;
}

TEST(WindowPlacement, AWindowForAHugePictureShowsItsCaptionAndMenuAtTheWorkAreasTopLeft) {
    const MainWindowScope scope;
    canvasPicture.Attach(CreateBitmap(4000, 3000, 1, 1, nullptr));
    HWND huge = CreateMainWindow();
    ASSERT_NE(huge, nullptr);
    RECT window;
    GetWindowRect(huge, &window);
    DestroyWindow(huge);
    MSG quit;
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);  // posted by the destruction
    canvasPicture.Release();
    EXPECT_EQ(window.left, WorkArea().left);
    EXPECT_EQ(window.top, WorkArea().top);
}

TEST(WindowPlacement, AFittedWindowMovesOnlyAsFarAsTheWorkAreaNeeds) {
    const MainWindowScope scope;
    const RECT work = WorkArea();
    RECT window = FitFrom(work.left + 10, work.top + 20, 240, 180);
    EXPECT_EQ(window.left, work.left + 10) << "a window that fits keeps its corner";
    EXPECT_EQ(window.top, work.top + 20);
    window = FitFrom(work.right - 100, work.bottom - 100, 240, 180);
    EXPECT_EQ(window.right, work.right) << "back from the right and bottom edges, no further";
    EXPECT_EQ(window.bottom, work.bottom);
    window = FitFrom(work.left - 1203, work.top - 922, 240, 180);
    EXPECT_EQ(window.left, work.left) << "back from above and the left";
    EXPECT_EQ(window.top, work.top);
    window = FitFrom(work.left + 10, work.top + 20, 4000, 3000);
    EXPECT_EQ(window.left, work.left) << "larger than the work area: caption and menu in sight";
    EXPECT_EQ(window.top, work.top);
    sourcePicture.Release();
}

}  // namespace
