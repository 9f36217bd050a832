// Shared helpers of the rendering tests.
#include "render_support.h"

#include <cstring>

#include "app/process_state.h"
#include "game/game_state.h"
#include "render/tile_geometry.h"

namespace {

constexpr char TEST_WINDOW_CLASS[] = "RenderTestWindow";

BITMAPINFO TopDownInfo(int32_t width, int32_t height, int32_t bitsPerPixel) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bitsPerPixel);
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

Colour FromQuad(uint32_t bgrx) {
    return MakeColour(bgrx >> 16 & 0xFF, bgrx >> 8 & 0xFF, bgrx & 0xFF);
}

}  // namespace

Pixels ReadBitmap(HBITMAP bitmap) {
    BITMAP description = {};
    GetObjectA(bitmap, sizeof description, &description);
    Pixels pixels;
    pixels.width = description.bmWidth;
    pixels.height = description.bmHeight;
    std::vector<uint32_t> quads(static_cast<size_t>(pixels.width * pixels.height));
    BITMAPINFO info = TopDownInfo(pixels.width, pixels.height, 32);
    HDC dc = CreateCompatibleDC(nullptr);
    const int rows = GetDIBits(dc, bitmap, 0, static_cast<UINT>(pixels.height), quads.data(), &info,
                               DIB_RGB_COLORS);
    DeleteDC(dc);
    EXPECT_EQ(rows, pixels.height) << "the bitmap could not be read";
    for (const uint32_t quad : quads)
        pixels.values.push_back(FromQuad(quad));
    return pixels;
}

Pixels ReadWindow(HWND window, int32_t width, int32_t height) {
    HBITMAP copy = CreateBlackSection(width, height);
    {
        SelectedBitmap target(copy);
        HDC windowDc = GetDC(window);
        BitBlt(target.Dc(), 0, 0, width, height, windowDc, 0, 0, SRCCOPY);
        ReleaseDC(window, windowDc);
    }
    Pixels pixels = ReadBitmap(copy);
    DeleteObject(copy);
    return pixels;
}

std::string SectionBytes(HBITMAP bitmap) {
    DIBSECTION section = {};
    if (GetObjectA(bitmap, sizeof section, &section) != sizeof section || !section.dsBm.bmBits)
        return std::string();
    GdiFlush();
    const int32_t stride = (section.dsBm.bmWidth * section.dsBmih.biBitCount + 31) / 32 * 4;
    return std::string(static_cast<const char*>(section.dsBm.bmBits),
                       static_cast<size_t>(stride * section.dsBm.bmHeight));
}

int32_t SectionBitsPerPixel(HBITMAP bitmap) {
    DIBSECTION section = {};
    if (GetObjectA(bitmap, sizeof section, &section) != sizeof section)
        return 0;
    return section.dsBmih.biBitCount;
}

Colour BevelledPixel(Colour picture, int32_t x, int32_t y, int32_t tileWidth, int32_t tileHeight) {
    if (y == tileHeight - 1 || x == tileWidth - 1)
        return DarkenColour(picture);
    if (y == 0 || x == 0)
        return LightenColour(picture);
    return picture;
}

SelectedBitmap::SelectedBitmap(HBITMAP bitmap)
    : dc(CreateCompatibleDC(nullptr)), previous(SelectObject(dc, bitmap)) {}

SelectedBitmap::~SelectedBitmap() {
    SelectObject(dc, previous);
    DeleteDC(dc);
}

HBITMAP CreateBlackSection(int32_t width, int32_t height, int32_t bitsPerPixel) {
    BITMAPINFO info = TopDownInfo(width, height, bitsPerPixel);
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bits)
        std::memset(bits, 0, static_cast<size_t>((width * bitsPerPixel + 31) / 32 * 4 * height));
    return section;
}

HWND CreateTestWindow(int32_t width, int32_t height) {
    static bool registered = false;
    if (!registered) {
        WNDCLASSEXA windowClass = {};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = TEST_WINDOW_CLASS;
        registered = RegisterClassExA(&windowClass) != 0;
    }
    HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, TEST_WINDOW_CLASS, "", WS_POPUP, 0, 0, width,
                                  height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    // Under Wine a hidden window keeps no pixels to read back.
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);
    return window;
}

void RenderTest::SetUp() {
    sourcePicture.Release();
    canvasPicture.Release();
    SetBevelMeans(BevelMeans::Automatic);
    SetGrid(4);
    mainWindow = nullptr;
}

void RenderTest::TearDown() {
    sourcePicture.Release();
    canvasPicture.Release();
    SetBevelMeans(BevelMeans::Automatic);
    if (mainWindow)
        DestroyWindow(mainWindow);
    mainWindow = nullptr;
}

std::string RenderTest::WritePicture(const BitmapLayout& layout, const std::string& name) {
    const std::string path = folder.File(name);
    EXPECT_TRUE(WriteBitmapFile(path, layout));
    return path;
}

void RenderTest::LoadBoth(const BitmapLayout& layout) {
    const std::string path = WritePicture(layout);
    ASSERT_EQ(sourcePicture.Load(moduleHandle, path.c_str()), 1);
    ASSERT_EQ(canvasPicture.Load(moduleHandle, path.c_str()), 1);
}

void RenderTest::SetGrid(int32_t n) {
    gameState.gridSize = n;
    gameState.solved = 0;
    gameState.previewOn = 0;
    SetSolvedBoard();
}

void RenderTest::SetCell(int32_t row, int32_t column, int32_t code) {
    CellAt(gameState.board, row, column) = code;
}
