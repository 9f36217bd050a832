// The game commands: new game, grid size, preview and resume, sound switch,
// and the state of the "&Opcje" menu.
#include "game/commands.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "app/main_window.h"
#include "app/process_state.h"
#include "app/resource_ids.h"
#include "game/game_state.h"
#include "game/shuffle.h"

namespace {

constexpr int OPTIONS_MENU_POSITION = 1;
constexpr UINT GREYED = MF_GRAYED | MF_DISABLED;

// Copies a catalogue path with its NUL; the bytes after it stay as they are.
void SetPicturePath(const char* path) {
    const size_t length = strnlen(path, PICTURE_PATH_SIZE - 1);
    std::memcpy(gameState.picturePath, path, length);
    gameState.picturePath[length] = '\0';
}

// The first picture not yet tried, from index on and wrapping round.
int32_t UntriedFrom(int32_t index, const std::vector<uint8_t>& tried) {
    const int32_t count = static_cast<int32_t>(tried.size());
    while (tried[index])
        index = (index + 1) % count;
    return index;
}

// Takes the pictures the catalogue gives, each at most once, until one
// loads; when none does, the current picture stays.
void TakeNextLoadablePicture() {
    const int32_t count = PictureCount();
    std::vector<uint8_t> tried(count, 0);
    char currentPath[PICTURE_PATH_SIZE];
    std::memcpy(currentPath, gameState.picturePath, PICTURE_PATH_SIZE);
    for (int32_t attempt = 0; attempt < count; ++attempt) {
        const int32_t index = UntriedFrom(ChooseNextPicture(), tried);
        tried[index] = 1;
        SetPicturePath(PicturePath(index));
        if (LoadBothPictures())
            return;
    }
    // The failed loads have emptied the source picture: read the current one again.
    std::memcpy(gameState.picturePath, currentPath, PICTURE_PATH_SIZE);
    LoadBothPictures();
}

void CheckItem(HMENU menu, UINT id, bool checked) {
    CheckMenuItem(menu, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace

bool LoadBothPictures() {
    if (!sourcePicture.Load(moduleHandle, gameState.picturePath))
        return false;
    canvasPicture.Load(moduleHandle, gameState.picturePath);
    return true;
}

void NewGame(int32_t keepPicture) {
    gameState.solved = 0;
    gameState.previewOn = 0;
    if (keepPicture == 0 && PictureCount() > 0)
        TakeNextLoadablePicture();
    FitWindowToPicture();
    ShuffleBoard();
    RepaintBoard();
    UpdateMenu();
}

void SetGridSize(int32_t n) {
    gameState.gridSize = n;
    NewGame(1);
}

void ShowPicture() {
    if (gameState.solved != 0 || gameState.previewOn != 0)
        return;
    gameState.previewOn = 1;
    gameState.savedBoard = gameState.board;
    SetSolvedBoard();
    RepaintBoard();
    UpdateMenu();
}

void ResumePlay() {
    if (gameState.previewOn == 0)
        return;
    gameState.previewOn = 0;
    gameState.board = gameState.savedBoard;
    RepaintBoard();
    UpdateMenu();
}

void ToggleSound() {
    gameState.soundOn = gameState.soundOn == 0 ? 1 : 0;
    UpdateMenu();
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
