// The catalogue's platform-free side: look-up by path, the choice of the next
// picture without repeats, and the ASCII-only letter case.
#include "catalogue/picture_catalogue.h"

#include "game/game_state.h"
#include "game/random.h"

namespace {

char LowerCaseAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Stops at listed's NUL at the latest: listed paths fit picturePath, so a
// picturePath that lacks its NUL is never read past its end.
bool SamePathIgnoringAsciiCase(const char* listed, const char* path) {
    for (;; ++listed, ++path) {
        if (LowerCaseAscii(*listed) != LowerCaseAscii(*path))
            return false;
        if (*listed == '\0')
            return true;
    }
}

int32_t DrawIndex(int32_t count) {
    return DrawRandom() % count;
}

// Once every picture was used: any picture but the current one.
int32_t ChooseOtherThanCurrent(int32_t count) {
    const int32_t current = FindPicture(gameState.picturePath);
    int32_t index = DrawIndex(count);
    while (index == current)
        index = DrawIndex(count);
    return index;
}

// The first unused picture at or after a random position, cyclically. The
// walk is bounded so that flags set from outside can never make it spin.
int32_t ChooseUnused(int32_t count) {
    FlagArray& flags = pictureCatalogue.usedFlags;
    int32_t index = DrawIndex(count);
    for (int32_t stepped = 0; flags[index] == 1 && stepped < count; ++stepped)
        index = (index + 1) % count;
    flags[index] = 1;

    int32_t firstUnused = 0;
    while (firstUnused < count && flags[firstUnused] != 0)
        ++firstUnused;
    if (firstUnused == count)
        pictureCatalogue.allUsed = 1;
    return index;
}

}  // namespace

void UpperCaseAscii(char* text) {
    for (; *text; ++text)
        if (*text >= 'a' && *text <= 'z')
            *text = static_cast<char>(*text - 'a' + 'A');
}

int32_t PictureCount() {
    return pictureCatalogue.paths.Size();
}

const char* PicturePath(int32_t index) {
    if (index < 0 || index >= PictureCount())
        return "";
    return pictureCatalogue.paths[index].Chars();
}

int32_t FindPicture(const char* path) {
    if (!path)
        return -1;
    for (int32_t i = 0; i < PictureCount(); ++i)
        if (SamePathIgnoringAsciiCase(pictureCatalogue.paths[i].Chars(), path))
            return i;
    return -1;
}

int32_t ChooseNextPicture() {
    const int32_t count = PictureCount();
    if (count <= 0)
        return -1;
    if (count == 1)
        return 0;
    if (pictureCatalogue.allUsed == 1)
        return ChooseOtherThanCurrent(count);
    return ChooseUnused(count);
}

void MarkPictureUsed(int32_t index) {
    if (index < 0 || index >= pictureCatalogue.usedFlags.Size())
        return;
    pictureCatalogue.usedFlags[index] = 1;
    if (PictureCount() == 1)
        pictureCatalogue.allUsed = 1;
}
