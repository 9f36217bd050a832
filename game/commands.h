// The game commands of the menu and its keys. Each ends by mirroring the game
// state into the menu (UpdateMenu, provided by the shell).
#pragma once

#include <cstdint>

// Ends any preview or win and shuffles a new board; with keepPicture 0 it
// first takes the next picture of the catalogue that loads.
void NewGame(int32_t keepPicture);

// A new game, as NewGame, on the picture at path (at most PICTURE_PATH_SIZE - 1
// bytes) instead of the catalogue's choice; the catalogue is not changed.
// 0 when that picture does not load: the game then goes on as it was.
int32_t NewGameWithPicture(const char* path);

// A new shuffle of the current picture at gridSize n (3, 4 or 5).
void SetGridSize(int32_t n);

// The preview: parks the game and shows the solved arrangement. Does nothing
// after a win or while the preview is already shown.
void ShowPicture();

// Puts the parked game back. Does nothing outside the preview.
void ResumePlay();

void ToggleSound();
