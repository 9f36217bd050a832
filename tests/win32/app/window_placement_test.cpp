// The main window on its monitor's work area: created for a picture larger
// than the screen it shows its caption and menu, a small picture after it
// leaves it on the work area, and a fitted window moves only as far as the
// work area needs.
#include <windows.h>

#include "app/main_window.h"
#include "app/process_state.h"
#include "game_window.h"

namespace {

class WindowPlacement : public GameWindowTest {
protected:
    RECT WorkArea() const {
        MONITORINFO monitor = {};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoA(MonitorFromWindow(mainWindow, MONITOR_DEFAULTTONEAREST), &monitor);
        return monitor.rcWork;
    }

    RECT Placed() const {
        RECT window;
        GetWindowRect(mainWindow, &window);
        return window;
    }

    // Fits the window, from that corner, to a source picture of that size.
    RECT FitFrom(LONG left, LONG top, int32_t width, int32_t height) {
        SetWindowPos(mainWindow, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        sourcePicture.Attach(CreateBitmap(width, height, 1, 1, nullptr));
        FitWindowToPicture();
        return Placed();
    }
};

TEST_F(WindowPlacement, AWindowForAHugePictureShowsItsCaptionAndASmallPictureAfterItStaysInSight) {
    DestroyWindow(mainWindow);
    canvasPicture.Attach(CreateBitmap(4000, 3000, 1, 1, nullptr));
    mainWindow = CreateMainWindow();
    ASSERT_NE(mainWindow, nullptr);
    const RECT work = WorkArea();
    EXPECT_EQ(Placed().left, work.left);
    EXPECT_EQ(Placed().top, work.top);
    const RECT placed = FitFrom(Placed().left, Placed().top, 240, 180);
    EXPECT_TRUE(placed.left >= work.left && placed.top >= work.top && placed.right <= work.right &&
                placed.bottom <= work.bottom);
}

TEST_F(WindowPlacement, AFittedWindowMovesOnlyAsFarAsTheWorkAreaNeeds) {
    const RECT work = WorkArea();
    RECT placed = FitFrom(work.left + 10, work.top + 20, 240, 180);
    EXPECT_EQ(placed.left, work.left + 10) << "a window that fits keeps its corner";
    EXPECT_EQ(placed.top, work.top + 20);
    placed = FitFrom(work.right - 100, work.bottom - 100, 240, 180);
    EXPECT_EQ(placed.right, work.right) << "back from the right and bottom edges, no further";
    EXPECT_EQ(placed.bottom, work.bottom);
    placed = FitFrom(work.left - 50, work.top - 30, 240, 180);
    EXPECT_EQ(placed.left, work.left) << "back from above and the left";
    EXPECT_EQ(placed.top, work.top);
    placed = FitFrom(work.left + 10, work.top + 20, 4000, 3000);
    EXPECT_EQ(placed.left, work.left) << "larger than the work area: caption and menu in sight";
    EXPECT_EQ(placed.top, work.top);
}

}  // namespace
