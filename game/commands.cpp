// The game commands: new game, grid size, preview and resume, sound switch.
#include "game/commands.h"

#include <cstdlib>
#include <cstring>
#include <memory>

#include "catalogue/picture_catalogue.h"
#include "catalogue/zeroed_memory.h"
#include "game/game_state.h"
#include "game/score.h"
#include "game/shell.h"
#include "game/shuffle.h"

namespace {

// Copies a catalogue path with its NUL; the bytes after it stay as they are.
void SetPicturePath(const char* path) {
    const size_t length = strnlen(path, PICTURE_PATH_SIZE - 1);
    std::memcpy(gameState.picturePath, path, length);
    gameState.picturePath[length] = '\0';
}

// The first picture not yet tried, from index on and wrapping round.
int32_t UntriedFrom(int32_t index, const uint8_t* tried, int32_t count) {
    while (tried[index])
        index = (index + 1) % count;
    return index;
}

// Takes the pictures the catalogue gives, each at most once, until one
// loads; when none does, the current picture stays.
void TakeNextLoadablePicture() {
    const int32_t count = PictureCount();
    // A plain block rather than a container keeps the C++ runtime's
    // exception machinery out of the executable.
    const std::unique_ptr<uint8_t[], decltype(&std::free)> tried(
        static_cast<uint8_t*>(AllocateZeroed(static_cast<size_t>(count), 1)), std::free);
    char currentPath[PICTURE_PATH_SIZE];
    std::memcpy(currentPath, gameState.picturePath, PICTURE_PATH_SIZE);
    for (int32_t attempt = 0; attempt < count; ++attempt) {
        const int32_t index = UntriedFrom(ChooseNextPicture(), tried.get(), count);
        tried[index] = 1;
        SetPicturePath(PicturePath(index));
        if (LoadBothPictures())
            return;
    }
    // The failed loads have emptied the source picture: read the current one again.
    std::memcpy(gameState.picturePath, currentPath, PICTURE_PATH_SIZE);
    LoadBothPictures();
}

// Takes path as the picture when it loads; otherwise the current one stays.
int32_t TakeGivenPicture(const char* path) {
    if (strnlen(path, PICTURE_PATH_SIZE) == PICTURE_PATH_SIZE)
        return 0;
    char currentPath[PICTURE_PATH_SIZE];
    std::memcpy(currentPath, gameState.picturePath, PICTURE_PATH_SIZE);
    SetPicturePath(path);
    if (LoadBothPictures())
        return 1;
    std::memcpy(gameState.picturePath, currentPath, PICTURE_PATH_SIZE);
    LoadBothPictures();
    return 0;
}

}  // namespace

void NewGame(int32_t keepPicture) {
    gameState.solved = 0;
    gameState.previewOn = 0;
    if (keepPicture == 0 && PictureCount() > 0)
        TakeNextLoadablePicture();
    FitWindowToPicture();
    ShuffleBoard();
    RepaintBoard();
    UpdateMenu();
    StartGameCount();
}

int32_t NewGameWithPicture(const char* path) {
    if (!TakeGivenPicture(path))
        return 0;
    NewGame(1);
    return 1;
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
