// A change of the window's dots per inch, as Windows sends it when the window
// goes to a monitor of another scale (Wine never does): the picture fitted
// again at the new scale, as a new game there would fit it, the window at the
// suggested corner with the client area the picture's size, the board as it
// was; the size asked for beforehand is the one that gives that client area;
// a picture that no longer loads stays as it was.
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "app/process_state.h"
#include "app/window_dpi.h"
#include "catalogue/picture_catalogue.h"
#include "game/commands.h"
#include "support/test_support.h"
#include "tools/bitmaps/picture_section.h"

namespace {

std::vector<int32_t> Cells(const Board& board) {
    return {board.cells, board.cells + BOARD_CELLS};
}

std::vector<Colour> PixelsOf(const PictureBitmap& picture) {
    return BitmapPixels(picture.Bitmap());
}

// What the window answers when asked for its size at dpi.
SIZE ScaledSizeAt(int32_t dpi) {
    SIZE size = {1, 1};
    EXPECT_EQ(SendMessageA(mainWindow, WM_GETDPISCALEDSIZE, dpi, reinterpret_cast<LPARAM>(&size)), TRUE);
    return size;
}

void ChangeDpi(int32_t dpi, RECT suggested) {
    SendMessageA(mainWindow, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

TEST(DpiChange, ThePictureIsFittedAgainAtTheNewScaleAndTheBoardStays) {
    TempDirectory folder;
    const std::string picture = folder.File("Puzzle1.bmp");
    ASSERT_TRUE(WriteBitmapFile(picture, {320, 240, 24, PatternPixel}));
    EmptyCatalogue();
    ScanPicturesBeside(folder.File("Puzzle.exe").c_str());
    gameState = DEFAULT_GAME_STATE;
    const MainWindowScope scope;
    ASSERT_EQ(scope.Started(), 1);
    NewGame(0);
    ASSERT_EQ(ClientSize().cx, 320);
    const Board board = gameState.board;
    const RECT at96 = WindowRect();
    const SIZE asked96 = ScaledSizeAt(96);
    EXPECT_TRUE(asked96.cx == at96.right - at96.left && asked96.cy == at96.bottom - at96.top)
        << "asked at the window's own scale: " << asked96.cx << " x " << asked96.cy;

    HMONITOR monitor = MonitorFromWindow(mainWindow, MONITOR_DEFAULTTONEAREST);
    PictureBitmap expected;
    ASSERT_EQ(expected.LoadFitted(moduleHandle, picture.c_str(), FitOnMonitor(monitor, 144)), 1);
    ASSERT_EQ(expected.Width(), 480);
    const SIZE asked144 = ScaledSizeAt(144);
    RECT frame144 = {0, 0, 480, 360};
    using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    const auto adjust = reinterpret_cast<AdjustForDpi>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "AdjustWindowRectExForDpi")));
    ASSERT_NE(adjust, nullptr);
    adjust(&frame144, GetWindowLongA(mainWindow, GWL_STYLE), TRUE, 0, 144);
    EXPECT_EQ(asked144.cx, frame144.right - frame144.left);
    EXPECT_EQ(asked144.cy, frame144.bottom - frame144.top);

    ChangeDpi(144, {at96.left + 7, at96.top + 5, at96.left + 7 + asked144.cx, at96.top + 5 + asked144.cy});
    EXPECT_TRUE(ClientSize().cx == 480 && ClientSize().cy == 360) << ClientSize().cx << " x " << ClientSize().cy;
    EXPECT_TRUE(WindowRect().left == at96.left + 7 && WindowRect().top == at96.top + 5) << "the suggested corner";
    EXPECT_EQ(FirstDifference(PixelsOf(sourcePicture), PixelsOf(expected), 480), "") << "the picture at 150%";
    EXPECT_EQ(FirstDifference(PixelsOf(canvasPicture), PixelsOf(expected), 480), "") << "the canvas at 150%";
    EXPECT_EQ(Cells(gameState.board), Cells(board));

    ChangeDpi(96, at96);
    EXPECT_TRUE(ClientSize().cx == 320 && ClientSize().cy == 240) << ClientSize().cx << " x " << ClientSize().cy;
    EXPECT_TRUE(WindowRect().left == at96.left && WindowRect().top == at96.top) << "back at the corner";
    PictureBitmap own;
    ASSERT_EQ(own.Load(moduleHandle, picture.c_str()), 1);
    EXPECT_EQ(FirstDifference(PixelsOf(sourcePicture), PixelsOf(own), 320), "") << "the picture at 100%";
    EXPECT_EQ(Cells(gameState.board), Cells(board));

    DeleteFileA(picture.c_str());
    EXPECT_EQ(ScaledSizeAt(144).cx, MainWindowSizeFor(320, 240, 144).cx) << "the picture gone: kept as it is";
    ChangeDpi(144, at96);
    EXPECT_TRUE(ClientSize().cx == 320 && ClientSize().cy == 240) << "a picture that no longer loads stays";
    EXPECT_EQ(FirstDifference(PixelsOf(sourcePicture), PixelsOf(own), 320), "");
    EXPECT_EQ(Cells(gameState.board), Cells(board));
    sourcePicture.Release();
    canvasPicture.Release();
}

}  // namespace
