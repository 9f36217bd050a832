// The operations the game asks of the shell that belong to no window
// message: picture loads, the menu marks, the sounds, the slide, and the
// clock, texts and caption of the score.
#include "app/game_shell.h"

#include <mmsystem.h>

#include "app/main_window.h"
#include "app/process_state.h"
#include "common/resource_ids.h"
#include "game/shell.h"
#include "render/slide_animation.h"

namespace {

constexpr int OPTIONS_MENU_POSITION = 1;
constexpr UINT GREYED = MF_GRAYED | MF_DISABLED;
constexpr UINT_PTR CLOCK_TIMER = 1;
constexpr int WIDE_TEXT_SIZE = 512;

void CheckItem(HMENU menu, UINT id, bool checked) {
    CheckMenuItem(menu, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

// The canvas is a copy of the source picture's pixels; a picture with a
// colour table is loaded again instead, with its own table.
void LoadCanvas() {
    if (!canvasPicture.CopyFrom(sourcePicture) && canvasPicture.Load(moduleHandle, gameState.picturePath))
        canvasPicture.UseScreenFormat();
}

}  // namespace

BoardScene CurrentScene() {
    return BoardScene{gameState.board, gameState.gridSize, sourcePicture, canvasPicture};
}

void PaintBoard(HDC clientDc) {
    DrawBoard(clientDc, CurrentScene());
}

int32_t LoadBothPictures() {
    if (!sourcePicture.LoadFitted(moduleHandle, gameState.picturePath, FitOnWindowsMonitor()))
        return 0;
    sourcePicture.UseScreenFormat();
    LoadCanvas();
    return 1;
}

int32_t RefitBothPictures(const PictureFit& fit) {
    PictureBitmap refitted;
    if (!refitted.LoadFitted(moduleHandle, gameState.picturePath, fit))
        return 0;
    sourcePicture.TakeFrom(refitted);
    sourcePicture.UseScreenFormat();
    LoadCanvas();
    return 1;
}

PictureSize SourcePictureSize() {
    return PictureSize{sourcePicture.Width(), sourcePicture.Height()};
}

void UpdateMenu() {
    HMENU options = GetSubMenu(GetMenu(mainWindow), OPTIONS_MENU_POSITION);
    const bool preview = gameState.previewOn != 0;
    EnableMenuItem(options, ID_OPTIONS_SHOW, MF_BYCOMMAND | (preview ? GREYED : MF_ENABLED));
    EnableMenuItem(options, ID_OPTIONS_PLAY, MF_BYCOMMAND | (preview ? MF_ENABLED : GREYED));
    CheckItem(options, ID_OPTIONS_3X3, gameState.gridSize == 3);
    CheckItem(options, ID_OPTIONS_4X4, gameState.gridSize == 4);
    CheckItem(options, ID_OPTIONS_5X5, gameState.gridSize == 5);
    CheckItem(options, ID_OPTIONS_SOUND, gameState.soundOn != 0);
}

void StartSound(GameSound sound) {
    const int soundId = sound == GameSound::Win ? IDR_WAVE_SOLVED : IDR_WAVE_MOVE;
    PlaySoundA(MAKEINTRESOURCEA(soundId), moduleHandle, SND_RESOURCE | SND_ASYNC);
}

void AnimateSlide(int32_t fromColumn, int32_t fromRow, int32_t toColumn, int32_t toRow) {
    if (!mainWindow)
        return;  // GetDC would hand out the whole screen
    HDC windowDc = GetDC(mainWindow);
    const TileMove move = {{fromColumn, fromRow}, {toColumn, toRow}};
    // Windows' timer ticks every 15.6 ms by default, so a 10 ms sleep would
    // last a whole tick: 1 ms ticks keep the slide's pace, for its length only.
    timeBeginPeriod(1);
    DrawSlide(windowDc, CurrentScene(), move, PauseBetweenFrames);
    timeEndPeriod(1);
    ReleaseDC(mainWindow, windowDc);
}

uint32_t MonotonicMilliseconds() {
    return GetTickCount();
}

// The texts pass as UTF-8, so that their Polish letters survive whatever the
// system's ANSI code page is.
void LoadText(int32_t id, char* text, int32_t size) {
    wchar_t wide[WIDE_TEXT_SIZE] = {};
    LoadStringW(moduleHandle, id, wide, WIDE_TEXT_SIZE);
    if (size > 0 && !WideCharToMultiByte(CP_UTF8, 0, wide, -1, text, size, nullptr, nullptr))
        text[0] = '\0';
}

// The window is an ANSI one: SetWindowTextW would take the text through the
// ANSI code page on its way to the default handling, which stores it as given.
void ShowCaption(const char* text) {
    wchar_t wide[WIDE_TEXT_SIZE];
    if (mainWindow && MultiByteToWideChar(CP_UTF8, 0, text, -1, wide, WIDE_TEXT_SIZE))
        DefWindowProcW(mainWindow, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide));
}

void SetClockTimer(uint32_t delayMs) {
    if (!mainWindow)
        return;  // a timer without a window would be the thread's
    if (delayMs == 0)
        KillTimer(mainWindow, CLOCK_TIMER);
    else
        SetTimer(mainWindow, CLOCK_TIMER, delayMs, nullptr);
}
