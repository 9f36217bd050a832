// The program's main window: its menu mirrors the game (UpdateMenu), its
// items and the keys F2, F3 and F4 reach the game's commands, the keys
// through the program's accelerator table only while their items are
// enabled; a palette changed by another window repaints the board; and the
// end of a session stores the game.
#include <gtest/gtest.h>

#include "app/application.h"
#include "app/process_state.h"
#include "common/resource_ids.h"
#include "app/saved_state.h"
#include "game/shell.h"
#include "support/test_support.h"

namespace {

WNDPROC programProc = nullptr;
int commandsReceived = 0;
int paintsReceived = 0;

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    commandsReceived += message == WM_COMMAND;
    paintsReceived += message == WM_PAINT;
    return CallWindowProcA(programProc, window, message, wParam, lParam);
}

void CountMessages() {
    programProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(mainWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingProc)));
}

// Posts the key and runs the queue as the program's message loop does.
void PressKey(UINT key, HACCEL accelerators) {
    PostMessageA(mainWindow, WM_KEYDOWN, key, 1);
    PostMessageA(mainWindow, WM_KEYUP, key, 0xC0000001);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        HandleLoopMessage(message, accelerators);
}

UINT MenuState(UINT id) {
    return GetMenuState(GetMenu(mainWindow), id, MF_BYCOMMAND);
}

void ExpectMarksOf(const GameState& state, const char* step) {
    EXPECT_EQ((MenuState(ID_OPTIONS_SHOW) & MF_GRAYED) != 0, state.previewOn != 0) << step;
    EXPECT_EQ((MenuState(ID_OPTIONS_PLAY) & MF_GRAYED) != 0, state.previewOn == 0) << step;
    const UINT sizes[] = {ID_OPTIONS_3X3, ID_OPTIONS_4X4, ID_OPTIONS_5X5};
    for (int32_t n = 3; n <= 5; ++n)
        EXPECT_EQ((MenuState(sizes[n - 3]) & MF_CHECKED) != 0, state.gridSize == n) << step << ", " << n;
    EXPECT_EQ((MenuState(ID_OPTIONS_SOUND) & MF_CHECKED) != 0, state.soundOn != 0) << step;
}

TEST(MainWindow, MenuMarksFollowTheGameAndKeysReachOnlyEnabledItems) {
    EmptyCatalogue();
    gameState = DEFAULT_GAME_STATE;
    gameState.soundOn = 2;  // any value but 0 is on
    MainWindowScope window;
    ASSERT_EQ(window.Started(), 1);
    CountMessages();
    HACCEL accelerators = LoadAcceleratorsA(moduleHandle, MAKEINTRESOURCEA(IDR_ACCELERATORS));
    UpdateMenu();
    ExpectMarksOf(gameState, "start");
    const struct {
        const char* name;
        UINT key;      // pressed, when not 0
        UINT command;  // otherwise chosen from the menu
        int commands;  // that reach the window
        int32_t previewOn, gridSize, soundOn;
    } steps[] = {{"F4 outside the preview", VK_F4, 0, 0, 0, 4, 2}, {"F3", VK_F3, 0, 1, 1, 4, 2},
                 {"F3 in the preview", VK_F3, 0, 0, 1, 4, 2},      {"F4", VK_F4, 0, 1, 0, 4, 2},
                 {"5x5", 0, ID_OPTIONS_5X5, 1, 0, 5, 2},           {"3x3", 0, ID_OPTIONS_3X3, 1, 0, 3, 2},
                 {"sound off", 0, ID_OPTIONS_SOUND, 1, 0, 3, 0},   {"F3 again", VK_F3, 0, 1, 1, 3, 0},
                 {"F2 in the preview", VK_F2, 0, 1, 0, 3, 0},      {"4x4", 0, ID_OPTIONS_4X4, 1, 0, 4, 0},
                 {"sound on", 0, ID_OPTIONS_SOUND, 1, 0, 4, 1}};
    for (const auto& step : steps) {
        const int before = commandsReceived;
        if (step.key)
            PressKey(step.key, accelerators);
        else
            SendMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(step.command, 0), 0);
        EXPECT_EQ(commandsReceived - before, step.commands) << step.name;
        EXPECT_EQ(gameState.previewOn, step.previewOn) << step.name;
        EXPECT_EQ(gameState.gridSize, step.gridSize) << step.name;
        EXPECT_EQ(gameState.soundOn, step.soundOn) << step.name;
        ExpectMarksOf(gameState, step.name);
    }
}

TEST(MainWindow, APaletteChangedByAnotherWindowRepaintsTheBoardAtOnce) {
    EmptyCatalogue();
    gameState = DEFAULT_GAME_STATE;
    MainWindowScope window;
    ASSERT_EQ(window.Started(), 1);
    sourcePicture.Attach(CreateBitmap(160, 120, 1, 1, nullptr));
    FitWindowToPicture();
    ShowWindow(mainWindow, SW_SHOWNOACTIVATE);
    UpdateWindow(mainWindow);
    CountMessages();
    const HWND other = GetDesktopWindow();
    const struct {
        UINT message;
        HWND changedBy;
        int paints;
    } cases[] = {{WM_QUERYNEWPALETTE, nullptr, 1},
                 {WM_PALETTEISCHANGING, other, 1},
                 {WM_PALETTECHANGED, other, 1},
                 {WM_PALETTECHANGED, mainWindow, 0}};
    for (const auto& row : cases) {
        const int before = paintsReceived;
        EXPECT_EQ(SendMessageA(mainWindow, row.message, reinterpret_cast<WPARAM>(row.changedBy), 0), 1) << row.message;
        EXPECT_EQ(paintsReceived - before, row.paints) << row.message;
    }
    sourcePicture.Release();
}

TEST(MainWindow, TheEndOfASessionStoresTheGame) {
    ForgetStoredRecord();
    EmptyCatalogue();
    MainWindowScope window;
    gameState = DEFAULT_GAME_STATE;
    gameState.gridSize = 5;
    SendMessageA(mainWindow, WM_ENDSESSION, FALSE, 0);
    EXPECT_EQ(LoadGameState(), 0) << "stored although the session goes on";
    SendMessageA(mainWindow, WM_ENDSESSION, TRUE, 0);
    gameState.gridSize = 3;
    EXPECT_EQ(LoadGameState(), 1);
    EXPECT_EQ(gameState.gridSize, 5);
    ForgetStoredRecord();
}

}  // namespace
