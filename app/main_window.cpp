// The main window: class registration, creation and sizing, and the window
// procedure that hands messages to the game and the renderer.
#include "app/main_window.h"

#include <windowsx.h>

#include <algorithm>

#include "app/about_dialog.h"
#include "app/arrow_keys.h"
#include "app/dropped_files.h"
#include "app/game_shell.h"
#include "app/given_picture.h"
#include "app/process_state.h"
#include "common/resource_ids.h"
#include "app/saved_state.h"
#include "app/window_dpi.h"
#include "game/commands.h"
#include "game/keys.h"
#include "game/moves.h"
#include "game/score.h"
#include "game/shell.h"

namespace {

constexpr DWORD MAIN_WINDOW_STYLE = WS_POPUPWINDOW | WS_CAPTION | WS_MINIMIZEBOX;
constexpr int TITLE_SIZE = 256;
constexpr int32_t WIDTH_WITHOUT_PICTURE = 200;

struct WindowSize {
    int width;
    int height;
};

SIZE ClientSizeFor(int32_t width, int32_t height) {
    if (width == 0)
        return {WIDTH_WITHOUT_PICTURE, 0};
    return {width, height};
}

// The outer size that gives a client area of the picture's size at dpi when
// the menu bar takes one line.
WindowSize OuterSizeFor(SIZE client, int32_t dpi) {
    return {
        client.cx + 2 * FrameMetric(SM_CXDLGFRAME, dpi),
        client.cy + FrameMetric(SM_CYCAPTION, dpi) + FrameMetric(SM_CYMENU, dpi) + 2 * FrameMetric(SM_CYDLGFRAME, dpi)};
}

// A menu bar that wraps onto more lines takes its height from the client
// area, and a frame drawn at another scale than the metrics' is wider or
// narrower: the window grows or shrinks by what the client area is off.
void MatchClientSize(HWND window, SIZE client) {
    RECT clientRect;
    GetClientRect(window, &clientRect);
    const LONG missingWidth = client.cx - clientRect.right;
    const LONG missingHeight = client.cy - clientRect.bottom;
    if (missingWidth == 0 && missingHeight == 0)
        return;
    RECT windowRect;
    GetWindowRect(window, &windowRect);
    MoveWindow(window, windowRect.left, windowRect.top, windowRect.right - windowRect.left + missingWidth,
               windowRect.bottom - windowRect.top + missingHeight, TRUE);
}

// Moves the window only as far as needed to lie on its monitor's work area;
// one larger than the work area keeps its caption and menu at the top left.
void KeepOnWorkArea(HWND window) {
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    RECT placed;
    if (!GetWindowRect(window, &placed) ||
        !GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor))
        return;
    const RECT& work = monitor.rcWork;
    const LONG width = placed.right - placed.left;
    const LONG height = placed.bottom - placed.top;
    const LONG left = std::max(work.left, std::min(placed.left, work.right - width));
    const LONG top = std::max(work.top, std::min(placed.top, work.bottom - height));
    if (left != placed.left || top != placed.top)
        SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void RepaintWindow(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    InvalidateRect(window, &client, FALSE);
    UpdateWindow(window);
}

void OnPaint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    PaintBoard(dc);
    EndPaint(window, &paint);
}

void OnCommand(int id) {
    switch (id) {
    case ID_GAME_NEW: NewGame(0); break;
    case ID_GAME_CLOSE: PostQuitMessage(0); break;
    case ID_HELP_ABOUT: ShowAboutBox(); break;
    case ID_OPTIONS_SHOW: ShowPicture(); break;
    case ID_OPTIONS_PLAY: ResumePlay(); break;
    case ID_OPTIONS_SOUND: ToggleSound(); break;
    case ID_OPTIONS_3X3: SetGridSize(3); break;
    case ID_OPTIONS_4X4: SetGridSize(4); break;
    case ID_OPTIONS_5X5: SetGridSize(5); break;
    default: break;
    }
}

// An arrow key is a click on the tile it names: one move per key-down message
// whatever its repeat count, and the press cell stays as it was. Other keys
// keep the default handling, as does Alt with an arrow (WM_SYSKEYDOWN).
LRESULT OnKeyDown(HWND window, WPARAM key, LPARAM lParam) {
    Arrow arrow;
    if (!ArrowForKey(static_cast<uint32_t>(key), arrow))
        return DefWindowProcA(window, WM_KEYDOWN, key, lParam);
    CellPosition cell;
    if (CellForArrow(gameState.board, gameState.gridSize, arrow, cell))
        TryMoveTile(cell.column, cell.row);
    return 0;
}

// Windows may end the process without another message after this one, so a
// game left open at log-off is stored here too.
void OnEndSession(WPARAM ending) {
    if (ending)
        SaveGameState();
}

void OnPaletteChanged(HWND window, HWND changedBy) {
    if (changedBy != window)
        RepaintWindow(window);
}

}  // namespace

void RegisterMainClass(HINSTANCE instance) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_APP));
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    windowClass.lpszMenuName = MAKEINTRESOURCEA(IDR_MAIN_MENU);
    windowClass.lpszClassName = MAIN_CLASS_NAME;
    RegisterClassExA(&windowClass);
}

HWND CreateMainWindow(int32_t pictureWidth, int32_t pictureHeight) {
    char title[TITLE_SIZE];
    LoadStringA(moduleHandle, IDS_TITLE, title, TITLE_SIZE);
    const SIZE client = ClientSizeFor(pictureWidth, pictureHeight);
    const WindowSize outer = OuterSizeFor(client, ScreenDpi());
    const int x = (GetSystemMetrics(SM_CXSCREEN) - outer.width) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - outer.height) / 2;
    HWND window = CreateWindowExA(0, MAIN_CLASS_NAME, title, MAIN_WINDOW_STYLE, x, y, outer.width, outer.height,
                                  nullptr, nullptr, moduleHandle, nullptr);
    if (window) {
        MatchClientSize(window, client);
        KeepOnWorkArea(window);
    }
    return window;
}

void FitWindowToPicture() {
    RECT windowRect;
    GetWindowRect(mainWindow, &windowRect);
    PlaceForPicture(mainWindow, windowRect.left, windowRect.top, WindowDpi(mainWindow));
}

SIZE MainWindowSizeFor(int32_t pictureWidth, int32_t pictureHeight, int32_t dpi) {
    const WindowSize outer = OuterSizeFor(ClientSizeFor(pictureWidth, pictureHeight), dpi);
    return {outer.width, outer.height};
}

void PlaceForPicture(HWND window, LONG left, LONG top, int32_t dpi) {
    const SIZE client = ClientSizeFor(sourcePicture.Width(), sourcePicture.Height());
    const WindowSize outer = OuterSizeFor(client, dpi);
    MoveWindow(window, left, top, outer.width, outer.height, TRUE);
    MatchClientSize(window, client);
    KeepOnWorkArea(window);
}

int32_t ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int32_t dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : UNSCALED_DPI;
}

// The work area less the window's frame, caption and menu bar.
PictureFit FitOnMonitor(HMONITOR monitor, int32_t dpi) {
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(monitor, &info))
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &info.rcWork, 0);
    const WindowSize frame = OuterSizeFor({0, 0}, dpi);
    const int32_t n = IsValidGridSize(gameState.gridSize) ? gameState.gridSize : MAX_GRID_SIZE;
    return {dpi, info.rcWork.right - info.rcWork.left - frame.width,
            info.rcWork.bottom - info.rcWork.top - frame.height, n};
}

PictureFit FitOnWindowsMonitor() {
    if (!mainWindow)
        return FitOnMonitor(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), ScreenDpi());
    return FitOnMonitor(MonitorFromWindow(mainWindow, MONITOR_DEFAULTTONEAREST), WindowDpi(mainWindow));
}

void RepaintBoard() {
    RepaintWindow(mainWindow);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_PAINT: OnPaint(window); return 0;
    case WM_SYSCOLORCHANGE: return 0;
    case WM_COMMAND: OnCommand(LOWORD(wParam)); return 0;
    case WM_LBUTTONDOWN: PressCell(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;
    case WM_LBUTTONUP: ReleaseCell(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;
    case WM_KEYDOWN: return OnKeyDown(window, wParam, lParam);
    case WM_ENDSESSION: OnEndSession(wParam); return 0;
    case WM_DROPFILES: OnDropFiles(reinterpret_cast<HDROP>(wParam)); return 0;
    case WM_COPYDATA: return OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case WM_TIMER: TickClock(); return 0;
    case WM_SIZE: SetWindowMinimised(wParam == SIZE_MINIMIZED); return 0;
    case WM_QUERYNEWPALETTE:
    case WM_PALETTEISCHANGING: RepaintWindow(window); return 1;
    case WM_PALETTECHANGED: OnPaletteChanged(window, reinterpret_cast<HWND>(wParam)); return 1;
    case WM_DPICHANGED: return OnDpiChanged(window, wParam, lParam);
    case WM_GETDPISCALEDSIZE: return OnGetDpiScaledSize(window, wParam, lParam);
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}
