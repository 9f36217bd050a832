// The main window's place and size: centred at start-up for the first
// catalogue picture, its corner kept for the picture played; on its
// monitor's work area (created for a picture larger than the screen it shows
// its caption and menu, and fitted to a picture it moves only as far as the
// work area needs); and grown by what its client area lacks.
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "app/process_state.h"
#include "catalogue/picture_catalogue.h"
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
    return WindowRect();
}

TEST(WindowPlacement, StartsCentredForTheFirstPicture) {
    TempDirectory folder;
    ASSERT_TRUE(WriteBitmapFile(folder.File("Puzzle1.bmp"), {301, 203, 24, PatternPixel}));
    EmptyCatalogue();
    ScanPicturesBeside(folder.File("Puzzle.exe").c_str());
    const MainWindowScope scope;
    const RECT created = WindowRect();
    EXPECT_EQ(created.left, (GetSystemMetrics(SM_CXSCREEN) - (created.right - created.left)) / 2);
    EXPECT_EQ(created.top, (GetSystemMetrics(SM_CYSCREEN) - (created.bottom - created.top)) / 2);
    EXPECT_TRUE(ClientSize().cx == 301 && ClientSize().cy == 203);
}

TEST(WindowPlacement, AWindowForAHugePictureShowsItsCaptionAndMenuAtTheWorkAreasTopLeft) {
    const MainWindowScope scope;
    HWND huge = CreateMainWindow(4000, 3000);
    ASSERT_NE(huge, nullptr);
    RECT window;
    GetWindowRect(huge, &window);
    DestroyWindow(huge);  // the scope takes the quit message it posts
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

WNDPROC programProc = nullptr;
LONG frameWidening = 0;

// The program's window procedure on a system whose side frame is wider than
// the metrics say.
LRESULT CALLBACK WideFrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallWindowProcA(programProc, window, message, wParam, lParam);
    if (message == WM_NCCALCSIZE && wParam)
        reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0].left += frameWidening;
    return result;
}

TEST(WindowPlacement, AFittedWindowGrowsByWhatItsClientAreaLacks) {
    const MainWindowScope scope;
    programProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(mainWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WideFrameProc)));
    const RECT work = WorkArea();
    const struct {
        const char* name;
        int32_t width;
        LONG widening;
    } cases[] = {{"a menu bar wrapped onto two lines: short in height", 100, 0},
                 {"a wider frame: short in width", 240, 7}};
    for (const auto& c : cases) {
        frameWidening = c.widening;
        const RECT window = FitFrom(work.left + 10, work.top + 20, c.width, 80);
        EXPECT_EQ(ClientSize().cx, c.width) << c.name;
        EXPECT_EQ(ClientSize().cy, 80) << c.name;
        EXPECT_EQ(window.left, work.left + 10) << c.name;
        EXPECT_EQ(window.top, work.top + 20) << c.name;
    }
    sourcePicture.Release();
}

}  // namespace
