// Pictures given by the command line or a second start, and the reading of
// any given path as a picture the game can open by its ANSI name.
#include "app/given_picture.h"

#include <shellapi.h>

#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "app/command_line.h"
#include "app/picture_handover.h"
#include "catalogue/zeroed_memory.h"
#include "game/commands.h"
#include "game/game_state.h"
#include "render/picture_file.h"
#include "render/shown_picture.h"

namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' wide text is UTF-16");

// A running game that does not answer within this time is left alone.
constexpr UINT HANDOVER_TIMEOUT_MS = 10000;

PictureHandover givenPictures = {nullptr, 0};

const char16_t* AsUtf16(const wchar_t* text) {
    return reinterpret_cast<const char16_t*>(text);
}

const wchar_t* Wide(const char16_t* text) {
    return reinterpret_cast<const wchar_t*>(text);
}

wchar_t* NewWidePath() {
    return static_cast<wchar_t*>(AllocateZeroed(MAX_WIDE_PATH + 1, sizeof(wchar_t)));
}

// The current directory as a wide path; false when it does not fit one.
bool ReadCurrentDirectory(wchar_t* directory) {
    const DWORD length = GetCurrentDirectoryW(MAX_WIDE_PATH + 1, directory);
    return length > 0 && length <= MAX_WIDE_PATH;
}

// The path after path in a list of NUL-terminated paths.
const char16_t* NextPath(const char16_t* path) {
    return path + std::wcslen(Wide(path)) + 1;
}

// A file on a disk: not a folder, a device or a pipe.
bool IsDiskFile(const wchar_t* path) {
    const DWORD attributes = GetFileAttributesW(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const bool disk = GetFileType(file) == FILE_TYPE_DISK;
    CloseHandle(file);
    return disk;
}

// path in the ANSI code page with its ASCII letters upper-cased, as the
// catalogue writes its paths; false when it is too long or holds a letter the
// code page lacks. The letters are upper-cased before the conversion, so no
// byte of a double-byte letter is touched.
bool UpperAnsiPath(const wchar_t* path, char (&ansi)[PICTURE_PATH_SIZE]) {
    wchar_t upper[PICTURE_PATH_SIZE];
    size_t length = 0;
    for (; path[length]; ++length) {
        if (length + 1 == PICTURE_PATH_SIZE)
            return false;
        const wchar_t c = path[length];
        upper[length] = c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c;
    }
    upper[length] = L'\0';
    // UTF-8 loses no letter, and its conversion refuses the flag and the report.
    const bool utf8 = GetACP() == CP_UTF8;
    BOOL lost = FALSE;
    const int bytes = WideCharToMultiByte(CP_ACP, utf8 ? 0 : WC_NO_BEST_FIT_CHARS, upper, -1, ansi, PICTURE_PATH_SIZE,
                                          nullptr, utf8 ? nullptr : &lost);
    return bytes > 0 && !lost;
}

// The ANSI name by which the picture at path opens: its own, or its short
// (8.3) name where the volume keeps one.
bool AnsiPicturePath(const wchar_t* path, char (&ansi)[PICTURE_PATH_SIZE]) {
    if (UpperAnsiPath(path, ansi))
        return true;
    wchar_t* shortPath = NewWidePath();
    if (!shortPath)
        return false;
    const DWORD length = GetShortPathNameW(path, shortPath, MAX_WIDE_PATH + 1);
    const bool named = length > 0 && length <= MAX_WIDE_PATH && UpperAnsiPath(shortPath, ansi);
    std::free(shortPath);
    return named;
}

// The ANSI name of a full path that names a picture file by its header.
bool ReadGivenHeader(const wchar_t* fullPath, char (&ansi)[PICTURE_PATH_SIZE], PictureHeader& header) {
    return IsDiskFile(fullPath) && AnsiPicturePath(fullPath, ansi) && ReadPictureFileHeader(ansi, header);
}

int32_t PlayFullPath(const wchar_t* fullPath) {
    char ansi[PICTURE_PATH_SIZE];
    PictureHeader header = {};
    return ReadGivenHeader(fullPath, ansi, header) && NewGameWithPicture(ansi);
}

// Each path of a list, in order, until one plays.
int32_t PlayFirstOfList(const char16_t* units) {
    for (const char16_t* path = units; *path; path = NextPath(path))
        if (PlayPictureNamed(Wide(path)))
            return 1;
    WarnNotAPicture();
    return 0;
}

}  // namespace

void ReadGivenPictures() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!arguments)
        return;
    wchar_t* directory = NewWidePath();
    givenPictures = NewHandover();
    if (directory && ReadCurrentDirectory(directory))
        ListPictureArguments(count, reinterpret_cast<const char16_t* const*>(arguments), AsUtf16(directory),
                             givenPictures);
    std::free(directory);
    LocalFree(arguments);
}

bool HasGivenPictures() {
    return givenPictures.length > 0;
}

bool GivenPictureShownSize(const PictureFit& fit, ShownSize& size) {
    if (!HasGivenPictures())
        return false;
    for (const char16_t* path = givenPictures.units; *path; path = NextPath(path)) {
        char ansi[PICTURE_PATH_SIZE];
        PictureHeader header = {};
        if (ReadGivenHeader(Wide(path), ansi, header)) {
            size = ShownSizeOf(header, fit);
            return true;
        }
    }
    return false;
}

int32_t PlayGivenPictures() {
    return HasGivenPictures() ? PlayFirstOfList(givenPictures.units) : 0;
}

void HandGivenPicturesTo(HWND running) {
    if (!HasGivenPictures())
        return;
    COPYDATASTRUCT copy = {PICTURE_HANDOVER_TAG, static_cast<DWORD>(HandoverBytes(givenPictures)), givenPictures.units};
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy), SMTO_ABORTIFHUNG, HANDOVER_TIMEOUT_MS,
                        &answer);
}

// The data lives only while the message is handled, and another program's
// may be any bytes at any address: it is checked, then copied whole.
LRESULT OnCopyData(const COPYDATASTRUCT* copy) {
    if (!copy || !IsPictureHandover(copy->dwData, copy->lpData, copy->cbData))
        return FALSE;
    char16_t* units = static_cast<char16_t*>(AllocateZeroed(copy->cbData / 2, sizeof(char16_t)));
    if (!units)
        return FALSE;
    std::memcpy(units, copy->lpData, copy->cbData);
    PlayFirstOfList(units);
    std::free(units);
    return TRUE;
}

int32_t PlayPictureNamed(const wchar_t* name) {
    wchar_t* directory = NewWidePath();
    wchar_t* fullPath = NewWidePath();
    const int32_t played = directory && fullPath && ReadCurrentDirectory(directory) &&
                           FullPathOfArgument(AsUtf16(name), AsUtf16(directory), reinterpret_cast<char16_t*>(fullPath),
                                              MAX_WIDE_PATH + 1) &&
                           PlayFullPath(fullPath);
    std::free(fullPath);
    std::free(directory);
    return played;
}

void WarnNotAPicture() {
    MessageBeep(MB_ICONWARNING);
}
