// The program's main routine: start-up, the message loop and shutdown.
#include "app/application.h"

#include <shellapi.h>

#include <ctime>

#include "app/given_picture.h"
#include "app/main_window.h"
#include "app/process_state.h"
#include "common/resource_ids.h"
#include "app/saved_state.h"
#include "game/commands.h"
#include "game/shell.h"
#include "game/random.h"
#include "game/record_check.h"
#include "render/shown_picture.h"

namespace {

constexpr int ERROR_TEXT_SIZE = 256;

// Wide-character calls, so that the Polish letters show whatever the
// system's ANSI code page is.
int ShowStartupError(HINSTANCE instance) {
    wchar_t caption[ERROR_TEXT_SIZE] = {};
    wchar_t text[ERROR_TEXT_SIZE] = {};
    LoadStringW(instance, IDS_ERROR_CAPTION, caption, ERROR_TEXT_SIZE);
    LoadStringW(instance, IDS_NO_PICTURES, text, ERROR_TEXT_SIZE);
    MessageBoxW(nullptr, text, caption, MB_OK | MB_ICONERROR);
    return 0;
}

bool HasSourcePicture() {
    return sourcePicture.Bitmap() != nullptr;
}

int32_t StartNewGame() {
    NewGame(0);
    return HasSourcePicture() ? 1 : 0;
}

int RunMessageLoop(HACCEL accelerators) {
    MSG message = {};
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        HandleLoopMessage(message, accelerators);
    return static_cast<int>(message.wParam);
}

void ReleasePictures() {
    sourcePicture.Release();
    canvasPicture.Release();
}

// Start-up found no picture that loads: as with an empty directory, no
// window is left and nothing of this run is stored. The window's destruction
// posts the quit message, which would end the box's own loop at once.
int AbandonStartup(HINSTANCE instance) {
    DestroyWindow(mainWindow);
    mainWindow = nullptr;
    MSG quit;
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    ReleasePictures();
    UnregisterClassA(MAIN_CLASS_NAME, instance);
    return ShowStartupError(instance);
}

}  // namespace

int StartInstance(HINSTANCE instance, int) {
    moduleHandle = instance;
    HWND running = FindWindowA(MAIN_CLASS_NAME, nullptr);
    if (running) {
        if (IsIconic(running))
            ShowWindow(running, SW_RESTORE);
        HandGivenPicturesTo(running);
        SetForegroundWindow(running);
        return 0;
    }
    // Sized from the first picture's header alone (a given one before the
    // catalogue's); the picture actually played is loaded later.
    ShownSize first = {};
    if (!GivenPictureShownSize(FitOnWindowsMonitor(), first))
        first = ShownSizeOfFile(PicturePath(0), FitOnWindowsMonitor());
    mainWindow = CreateMainWindow(first.width, first.height);
    if (mainWindow)
        DragAcceptFiles(mainWindow, TRUE);
    return mainWindow ? 1 : 0;
}

int32_t ContinueOrStartGame() {
    if (!LoadGameState() || !AcceptRestoredRecord(gameState))
        return StartNewGame();
    const int32_t index = FindPicture(gameState.picturePath);
    if (index >= 0)
        MarkPictureUsed(index);
    if (!LoadBothPictures())
        return StartNewGame();
    FitWindowToPicture();
    RepaintBoard();
    UpdateMenu();
    return 1;
}

// A given picture is the first game, on the stored sound and grid size.
int32_t StartGivenGame() {
    if (!HasGivenPictures())
        return 0;
    if (LoadGameState())
        AcceptRestoredRecord(gameState);
    return PlayGivenPictures();
}

void HandleLoopMessage(MSG& message, HACCEL accelerators) {
    if (TranslateAcceleratorA(message.hwnd, accelerators, &message))
        return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

int RunApplication(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    ScanPictures();
    ReadGivenPictures();
    if (PictureCount() == 0 && !HasGivenPictures())
        return ShowStartupError(instance);
    RegisterMainClass(instance);
    if (!StartInstance(instance, showCommand))
        return 0;
    SeedRandom(static_cast<uint32_t>(std::time(nullptr)));
    if (!StartGivenGame() && (PictureCount() == 0 || !ContinueOrStartGame()))
        return AbandonStartup(instance);
    ShowWindow(mainWindow, SW_SHOW);
    HACCEL accelerators = LoadAcceleratorsA(moduleHandle, MAKEINTRESOURCEA(IDR_ACCELERATORS));

    const int exitCode = RunMessageLoop(accelerators);

    SaveGameState();
    ReleasePictures();
    UnregisterClassA(MAIN_CLASS_NAME, instance);
    return exitCode;
}
