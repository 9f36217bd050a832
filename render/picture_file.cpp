// Reading a picture file's length and headers for the layout check.
#include "render/picture_file.h"

#include <windows.h>

#include "render/picture_file_check.h"

int32_t PictureFileFitsItsHeader(const char* path) {
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    LARGE_INTEGER length = {};
    uint8_t head[PICTURE_HEAD_SIZE] = {};
    DWORD headLength = 0;
    const bool read = GetFileSizeEx(file, &length) &&
                      ReadFile(file, head, sizeof head, &headLength, nullptr);
    CloseHandle(file);
    return read ? FitsDeclaredLayout(head, headLength, static_cast<uint64_t>(length.QuadPart)) : 0;
}
