// The speed of the board drawing: milliseconds per PaintBoard of a
// 1600 x 1200 24-bit picture at N = 5, with the bevel drawn pixel by pixel
// through GDI and with the shipped means; and the length of one slide at
// N = 3 on a 1920 x 1080 picture against its ten sleeps. The pictures are
// made in memory. Run under Wine with a display; each figure is the best of
// five rounds.
#include <windows.h>

#include <cstdio>

#include "bench/milliseconds.h"
#include "app/process_state.h"
#include "game/game_state.h"
#include "app/game_shell.h"
#include "render/picture_bitmap.h"
#include "game/shell.h"
#include "tools/bitmaps/picture_section.h"

namespace {

constexpr int PAINT_WIDTH = 1600;
constexpr int PAINT_HEIGHT = 1200;
constexpr int SLIDE_WIDTH = 1920;
constexpr int SLIDE_HEIGHT = 1080;

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
    HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, "RenderBenchWindow", "", WS_POPUP, 0, 0, width,
                                  height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
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
    const double copy = BestMilliseconds(40, [&] {
        BitBlt(target, 0, 0, PAINT_WIDTH, PAINT_HEIGHT, canvasDc, 0, 0, SRCCOPY);
    });
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

void BenchmarkSlide(int bitsPerPixel) {
    LoadPictures(SLIDE_WIDTH, SLIDE_HEIGHT, bitsPerPixel);
    ShuffledBoard(3);
    mainWindow = CreateBenchWindow(SLIDE_WIDTH, SLIDE_HEIGHT);
    HDC windowDc = GetDC(mainWindow);
    PaintBoard(windowDc);

    const double sleeps = BestMilliseconds(4, [] {
        for (int frame = 0; frame < 10; ++frame)
            Sleep(10);
    });
    // The tile left of the empty bottom-right cell slides in and back out.
    const double slide = BestMilliseconds(2, [] {
        AnimateSlide(1, 2, 2, 2);
        CellAt(gameState.board, 2, 2) = CellAt(gameState.board, 2, 1);
        CellAt(gameState.board, 2, 1) = EMPTY_CELL;
        AnimateSlide(2, 2, 1, 2);
        CellAt(gameState.board, 2, 1) = CellAt(gameState.board, 2, 2);
        CellAt(gameState.board, 2, 2) = EMPTY_CELL;
    }) / 2;
    // What every frame does besides its sleep, step by step: each step ten
    // times, each time followed by its sleep as in a slide (a step after a
    // sleep finds colder caches than one right after another), less the sleeps.
    HDC canvasDc = CreateCompatibleDC(windowDc);
    const HGDIOBJ previous = SelectObject(canvasDc, canvasPicture.Bitmap());
    const int cellWidth = SLIDE_WIDTH / 3;
    const int cellHeight = SLIDE_HEIGHT / 3;
    const RECT area = {cellWidth, 2 * cellHeight, 3 * cellWidth, 3 * cellHeight};
    const auto tenFramesOf = [&](auto step) {
        return BestMilliseconds(2, [&] {
            for (int frame = 1; frame <= 10; ++frame) {
                step(frame);
                Sleep(10);
            }
        }) - sleeps;
    };
    const double fills = tenFramesOf([&](int) { FillBlack(canvasDc, area); });
    const double tiles = tenFramesOf([&](int frame) {
        sourcePicture.DrawTile(canvasDc, cellWidth + frame * cellWidth / 10, 2 * cellHeight, 0, 0,
                               cellWidth, cellHeight);
    });
    const double copies = tenFramesOf([&](int) {
        BitBlt(windowDc, area.left, area.top, 2 * cellWidth, cellHeight, canvasDc, area.left, area.top,
               SRCCOPY);
    });
    SelectObject(canvasDc, previous);
    DeleteDC(canvasDc);
    ReleaseDC(mainWindow, windowDc);
    DestroyWindow(mainWindow);
    mainWindow = nullptr;

    std::printf("AnimateSlide %dx%d %d-bit, N=3, in a window:\n", SLIDE_WIDTH, SLIDE_HEIGHT,
                bitsPerPixel);
    std::printf("  ten Sleep(10)        %8.3f ms\n", sleeps);
    std::printf("  one slide            %8.3f ms\n", slide);
    std::printf("  longer by            %8.2f %%\n", 100.0 * (slide - sleeps) / sleeps);
    std::printf("  the frame's steps, ten times, each after a sleep:\n");
    std::printf("    fills              %8.3f ms (two cells, black brush)\n", fills);
    std::printf("    tiles              %8.3f ms (DrawTile)\n", tiles);
    std::printf("    copies             %8.3f ms (two cells, canvas to window)\n", copies);
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
