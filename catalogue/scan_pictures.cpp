// The catalogue's Win32 side: the search for the picture files in the
// executable's directory.
#include <windows.h>

#include <cstring>

#include "common/resource_ids.h"
#include "catalogue/picture_catalogue.h"
#include "game/game_state.h"

namespace {

constexpr int32_t MODULE_PATH_SIZE = 260;
constexpr int32_t MASK_SIZE = 255;
// Searched after the bitmap mask of the resources, in this order.
constexpr const char* DECODED_PICTURE_MASKS[] = {"Puzzle*.png", "Puzzle*.jpg", "Puzzle*.jpeg", "Puzzle*.gif"};

// The length of the directory part of modulePath, its last backslash kept.
// Index 0 is never tested, so without a backslash the first character stays.
size_t DirectoryLength(const char* modulePath) {
    const size_t length = std::strlen(modulePath);
    for (size_t i = length; i-- > 1;)
        if (modulePath[i] == '\\')
            return i + 1;
    return length == 0 ? 0 : 1;
}

// The upper-case directory of modulePath, ending in a backslash; false when
// even the directory is too long for a listed path.
bool PictureDirectory(const char* modulePath, SharedString& directory) {
    const size_t length = DirectoryLength(modulePath);
    if (length >= PICTURE_PATH_SIZE)
        return false;
    char text[PICTURE_PATH_SIZE] = {};
    std::memcpy(text, modulePath, length);
    directory.Assign(text);
    UpperCaseAscii(directory.WritableChars());
    if (directory.Length() == 0 || directory.Chars()[directory.Length() - 1] != '\\')
        directory.Append("\\");
    return true;
}

// A file that an earlier mask found (through its short name, say) is not
// listed twice.
void AddPicture(const SharedString& directory, char* fileName) {
    UpperCaseAscii(fileName);
    const SharedString path = SharedString::Concat(directory, fileName);
    if (path.Length() < PICTURE_PATH_SIZE && FindPicture(path.Chars()) < 0)
        pictureCatalogue.paths.Add(path.Chars());
}

// The files that match mask in directory, in the search's order.
void AddMatches(const SharedString& directory, const char* mask) {
    const SharedString pattern = SharedString::Concat(directory, mask);
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA(pattern.Chars(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            AddPicture(directory, entry.cFileName);
    } while (FindNextFileA(search, &entry));
    FindClose(search);
}

void ClearUsedFlags() {
    const int32_t count = PictureCount();
    if (count == 0)
        return;
    pictureCatalogue.usedFlags.SetSize(count);
    for (int32_t i = 0; i < count; ++i)
        pictureCatalogue.usedFlags[i] = 0;
}

}  // namespace

void ScanPictures() {
    char modulePath[MODULE_PATH_SIZE] = {};
    if (GetModuleFileNameA(GetModuleHandleA(nullptr), modulePath, MODULE_PATH_SIZE) == 0)
        return;
    // Older systems leave a cut name unterminated; its directory is still whole.
    modulePath[MODULE_PATH_SIZE - 1] = '\0';
    ScanPicturesBeside(modulePath);
}

void ScanPicturesBeside(const char* modulePath) {
    SharedString directory;
    if (!PictureDirectory(modulePath, directory))
        return;
    char mask[MASK_SIZE] = {};
    if (LoadStringA(GetModuleHandleA(nullptr), IDS_PICTURE_MASK, mask, MASK_SIZE) == 0)
        return;
    AddMatches(directory, mask);
    for (const char* decodedMask : DECODED_PICTURE_MASKS)
        AddMatches(directory, decodedMask);
    ClearUsedFlags();
}
