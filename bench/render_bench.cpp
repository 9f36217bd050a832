// The speed of the board drawing: milliseconds per PaintBoard of a
// 1600 x 1200 24-bit picture at N = 5, with the bevel drawn pixel by pixel
// through GDI and with the shipped means; and the length of a slide of one
// tile and of a strip of N - 1 tiles at N = 5 on a 1920 x 1080 picture, each
// against its ten sleeps (all at 1 ms timer ticks, as the game sleeps). The
// pictures are made in memory. Run under Wine with a display; each figure is
// the best of five rounds.
#include <windows.h>
#include <mmsystem.h>

#include <cstdio>

#include "bench/milliseconds.h"
#include "app/process_state.h"
#include "game/game_state.h"
#include "app/game_shell.h"
#include "render/picture_bitmap.h"
#include "game/shell.h"
#include "game/strip.h"
#include "tools/bitmaps/picture_section.h"

namespace {

constexpr int PAINT_WIDTH = 1600;
constexpr int PAINT_HEIGHT = 1200;
constexpr int SLIDE_WIDTH = 1920;
constexpr int SLIDE_HEIGHT = 1080;
constexpr int SLIDE_GRID = 5;

// A bottom-up DIB section with a different colour at nearly every pixel,
// as a picture file loads.
HBITMAP PatternSection(int width, int height, int bitsPerPixel) {
    return PictureSection({width, height, bitsPerPixel, PatternPixel});
}

void LoadPictures(int width, int height, int bitsPerPixel) {
    sourcePicture.Attach(PatternSection(width, height, bitsPerPixel));
    canvasPicture.Attach(PatternSection(width, height, bitsPerPixel));
    sourcePicture.UseScreenFormat();  // as the game holds its pictures
    canvasPicture.UseScreenFormat();
}

HWND CreateBenchWindow(int width, int height) {
    static ATOM windowClass = 0;
    if (!windowClass) {
        WNDCLASSEXA description = {};
        description.cbSize = sizeof description;
        description.lpfnWndProc = DefWindowProcA;
        description.hInstance = GetModuleHandleA(nullptr);
        description.lpszClassName = "RenderBenchWindow";
        windowClass = RegisterClassExA(&description);
    }
    HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, "RenderBenchWindow", "", WS_POPUP, 0, 0, width, height, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);
    return window;
}

// A board in play: every tile away from home, the empty cell at the bottom right.
void ShuffledBoard(int n) {
    gameState.gridSize = n;
    SetSolvedBoard();
    const int last = n * n - 2;
    for (int i = 0; i <= last; ++i)
        CellAt(gameState.board, i / n, i % n) = last - i;
}

// The best of five rounds, so that other work on the machine counts least.
template <typename Work>
double BestMilliseconds(int repeats, Work work) {
    double best = 1e30;
    for (int round = 0; round < 5; ++round) {
        const double start = Milliseconds();
        for (int i = 0; i < repeats; ++i)
            work();
        const double each = (Milliseconds() - start) / repeats;
        best = each < best ? each : best;
    }
    return best;
}

void ReportPaint(const char* where, HDC target) {
    SetBevelMeans(BevelMeans::PerPixel);
    PaintBoard(target);  // warm up
    const double perPixel = BestMilliseconds(10, [&] { PaintBoard(target); });
    SetBevelMeans(BevelMeans::Automatic);
    PaintBoard(target);
    const double shipped = BestMilliseconds(40, [&] { PaintBoard(target); });
    HDC canvasDc = CreateCompatibleDC(target);
    const HGDIOBJ previous = SelectObject(canvasDc, canvasPicture.Bitmap());
    const double copy = BestMilliseconds(
        40, [&] { BitBlt(target, 0, 0, PAINT_WIDTH, PAINT_HEIGHT, canvasDc, 0, 0, SRCCOPY); });
    SelectObject(canvasDc, previous);
    DeleteDC(canvasDc);
    std::printf("PaintBoard %dx%d 24-bit, N=5, %s:\n", PAINT_WIDTH, PAINT_HEIGHT, where);
    std::printf("  per-pixel bevel      %8.3f ms\n", perPixel);
    std::printf("  shipped              %8.3f ms\n", shipped);
    std::printf("  ratio                %8.1fx\n", perPixel / shipped);
    std::printf("  of which final copy  %8.3f ms\n", copy);
}

void BenchmarkPaint() {
    LoadPictures(PAINT_WIDTH, PAINT_HEIGHT, 24);
    ShuffledBoard(5);

    HBITMAP offscreen = PatternSection(PAINT_WIDTH, PAINT_HEIGHT, 24);
    HDC memoryDc = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(memoryDc, offscreen);
    ReportPaint("into a memory DC", memoryDc);
    SelectObject(memoryDc, previous);
    DeleteDC(memoryDc);
    DeleteObject(offscreen);

    HWND window = CreateBenchWindow(PAINT_WIDTH, PAINT_HEIGHT);
    HDC windowDc = GetDC(window);
    ReportPaint("into a window", windowDc);
    ReleaseDC(window, windowDc);
    DestroyWindow(window);
}

// The strip from (fromColumn, 4) to the empty cell at (toColumn, 4) slides
// there, then back out.
double SlideThereAndBack(int fromColumn, int toColumn) {
    const int32_t last = SLIDE_GRID - 1;
    return BestMilliseconds(2,
                            [=] {
                                for (const TileMove move : {TileMove{{fromColumn, last}, {toColumn, last}},
                                                            TileMove{{toColumn, last}, {fromColumn, last}}}) {
                                    AnimateSlide(move.from.column, move.from.row, move.to.column, move.to.row);
                                    SlideStrip(gameState.board, move);
                                }
                            }) /
           2;
}

void BenchmarkSlide(int bitsPerPixel) {
    LoadPictures(SLIDE_WIDTH, SLIDE_HEIGHT, bitsPerPixel);
    ShuffledBoard(SLIDE_GRID);
    mainWindow = CreateBenchWindow(SLIDE_WIDTH, SLIDE_HEIGHT);
    HDC windowDc = GetDC(mainWindow);
    PaintBoard(windowDc);

    timeBeginPeriod(1);
    const double sleeps = BestMilliseconds(4, [] {
        for (int frame = 0; frame < 10; ++frame)
            Sleep(10);
    });
    timeEndPeriod(1);
    const double single = SlideThereAndBack(SLIDE_GRID - 2, SLIDE_GRID - 1);
    const double strip = SlideThereAndBack(0, SLIDE_GRID - 1);
    // What the strip's slide does besides its sleeps, step by step: the
    // strip composed on the canvas, and each frame's steps ten times, each
    // time followed by its sleep as in a slide (a step after a sleep finds
    // colder caches than one right after another), less the sleeps.
    HDC canvasDc = CreateCompatibleDC(windowDc);
    const HGDIOBJ previous = SelectObject(canvasDc, canvasPicture.Bitmap());
    const int cellWidth = SLIDE_WIDTH / SLIDE_GRID;
    const int cellHeight = SLIDE_HEIGHT / SLIDE_GRID;
    const int top = (SLIDE_GRID - 1) * cellHeight;
    const auto tenFramesOf = [&](auto step) {
        timeBeginPeriod(1);
        const double milliseconds = BestMilliseconds(2,
                                                     [&] {
                                                         for (int frame = 1; frame <= 10; ++frame) {
                                                             step(frame);
                                                             Sleep(10);
                                                         }
                                                     }) -
                                    sleeps;
        timeEndPeriod(1);
        return milliseconds;
    };
    const int stripWidth = (SLIDE_GRID - 1) * cellWidth;
    const double fills = tenFramesOf([&](int) { FillBlack(windowDc, {0, top, cellWidth, top + cellHeight}); });
    const double copies = tenFramesOf([&](int frame) {
        BitBlt(windowDc, frame * cellWidth / 10, top, stripWidth, cellHeight, canvasDc, 0, top, SRCCOPY);
    });
    const double composing = BestMilliseconds(10, [&] {
        for (int column = 0; column < SLIDE_GRID - 1; ++column)
            sourcePicture.DrawTile(canvasDc, column * cellWidth, top, 0, 0, cellWidth, cellHeight);
    });
    SelectObject(canvasDc, previous);
    DeleteDC(canvasDc);
    ReleaseDC(mainWindow, windowDc);
    DestroyWindow(mainWindow);
    mainWindow = nullptr;

    std::printf("AnimateSlide %dx%d %d-bit, N=%d, in a window:\n", SLIDE_WIDTH, SLIDE_HEIGHT, bitsPerPixel, SLIDE_GRID);
    std::printf("  ten Sleep(10)        %8.3f ms\n", sleeps);
    std::printf("  one tile             %8.3f ms, longer by %5.2f %%\n", single, 100.0 * (single - sleeps) / sleeps);
    std::printf("  a strip of %d tiles   %8.3f ms, longer by %5.2f %%\n", SLIDE_GRID - 1, strip,
                100.0 * (strip - sleeps) / sleeps);
    std::printf("  the strip's steps:\n");
    std::printf("    composed           %8.3f ms (%d DrawTile, twice a slide)\n", composing, SLIDE_GRID - 1);
    std::printf("  and ten times, each after a sleep:\n");
    std::printf("    copies             %8.3f ms (%d cells, canvas to window)\n", copies, SLIDE_GRID - 1);
    std::printf("    fills              %8.3f ms (one cell left bare, black brush)\n", fills);
}

}  // namespace

int main() {
    BenchmarkPaint();
    BenchmarkSlide(24);
    BenchmarkSlide(32);  // for comparison: a picture whose format the window takes as it is
    sourcePicture.Release();
    canvasPicture.Release();
    return 0;
}
