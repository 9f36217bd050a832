// The operations that the rules of the game ask of the program's shell: the
// pictures, the window, the menu and the sounds. The game core declares them
// here; the Win32 shell in app/ provides them.
#pragma once

#include <cstdint>

struct PictureSize {
    int32_t width;
    int32_t height;
};

// Loads gameState.picturePath into the source picture and, when that
// succeeds, into the canvas; 1 when the source picture loaded.
int32_t LoadBothPictures();

// The size of the source picture; 0 by 0 when none is loaded.
PictureSize SourcePictureSize();

// Resizes the main window to the source picture, keeping its top-left corner.
void FitWindowToPicture();

// Invalidates the whole client area and has it painted before returning.
void RepaintBoard();

// Greys Show or Play by previewOn and checks the grid size and sound items.
void UpdateMenu();

// The two sounds of the game: a tile sliding, and the picture made whole.
enum class GameSound { Move, Win };

// Starts the sound and returns at once; a sound that cannot be played is
// skipped.
void StartSound(GameSound sound);

// Slides the tiles that gameState.board holds from the from-cell up to the
// empty to-cell in its row or column one cell towards it, together, on the
// canvas and in the window, and returns after the last frame. The board is
// not changed.
void AnimateSlide(int32_t fromColumn, int32_t fromRow, int32_t toColumn, int32_t toRow);

// Milliseconds of a clock that only goes forward, as 32 bits that wrap.
uint32_t MonotonicMilliseconds();

// String resource id as UTF-8 in text, cut to size bytes with its NUL;
// empty when there is none.
void LoadText(int32_t id, char* text, int32_t size);

// Sets the main window's caption to the UTF-8 text.
void ShowCaption(const char* text);

// Has TickClock called after delayMs and then every delayMs until the next
// call; 0 stops it.
void SetClockTimer(uint32_t delayMs);
