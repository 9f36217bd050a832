// Reading a picture file's length and headers.
#include "render/picture_file.h"

#include <windows.h>

#include "render/picture_file_check.h"

namespace {

HANDLE OpenForReading(const char* path) {
    return CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

size_t ReadAt(void* file, uint64_t offset, uint8_t* buffer, size_t length) {
    LARGE_INTEGER position = {};
    position.QuadPart = static_cast<LONGLONG>(offset);
    DWORD read = 0;
    if (!SetFilePointerEx(file, position, nullptr, FILE_BEGIN) ||
        !ReadFile(file, buffer, static_cast<DWORD>(length), &read, nullptr))
        return 0;
    return read;
}

}  // namespace

int32_t PictureFileFitsItsHeader(const char* path) {
    HANDLE file = OpenForReading(path);
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

int32_t ReadPictureFileHeader(const char* path, PictureHeader& header) {
    HANDLE file = OpenForReading(path);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    LARGE_INTEGER length = {};
    int32_t result = 0;
    if (GetFileSizeEx(file, &length)) {
        const ByteSource source = {file, ReadAt, static_cast<uint64_t>(length.QuadPart)};
        result = ReadPictureHeader(source, header);
    }
    CloseHandle(file);
    return result;
}
