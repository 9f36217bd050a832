// Reading a picture file's length and headers.
#include "render/picture_file.h"

#include <windows.h>

#include "render/picture_file_check.h"

namespace {

HANDLE OpenForReading(const char* path) {
    return CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
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

// A file's length and its first bytes, as the layout check reads them.
struct FileHead {
    uint64_t length;
    uint8_t bytes[PICTURE_HEAD_SIZE];
    DWORD read;
};

bool ReadHead(HANDLE file, FileHead& head) {
    LARGE_INTEGER length = {};
    const bool read = GetFileSizeEx(file, &length) &&
                      ReadFile(file, head.bytes, sizeof head.bytes, &head.read, nullptr);
    head.length = static_cast<uint64_t>(length.QuadPart);
    return read;
}

// The rows from the view of the whole file, top down.
PixelRows RowsInView(const void* view, const DeclaredPixels& pixels) {
    const int32_t bits = static_cast<int32_t>(pixels.plainBytesPerPixel) * 8;
    const int32_t stride = (pixels.width * bits + 31) / 32 * 4;
    const bool bottomUp = pixels.height > 0;
    const int32_t height = bottomUp ? pixels.height : -pixels.height;
    uint8_t* first = static_cast<uint8_t*>(const_cast<void*>(view)) + pixels.start +
                     (bottomUp ? static_cast<size_t>(height - 1) * stride : 0);
    return {first, bottomUp ? -stride : stride, static_cast<int32_t>(pixels.plainBytesPerPixel), pixels.width, height};
}

}  // namespace

int32_t PictureFileFitsItsHeader(const char* path) {
    HANDLE file = OpenForReading(path);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    FileHead head = {};
    const bool read = ReadHead(file, head);
    CloseHandle(file);
    return read ? FitsDeclaredLayout(head.bytes, head.read, head.length) : 0;
}

int32_t MapPlainBmpRows(const char* path, const void*& view, PixelRows& rows) {
    HANDLE file = OpenForReading(path);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    FileHead head = {};
    DeclaredPixels pixels = {};
    HANDLE mapping = nullptr;
    if (ReadHead(file, head) && ReadDeclaredPixels(head.bytes, head.read, head.length, pixels) &&
        pixels.plainBytesPerPixel != 0)
        mapping = CreateFileMappingA(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
    CloseHandle(file);
    if (!mapping)
        return 0;
    // Past the end of the file, the view's last page reads as zeros, as the
    // loader's does.
    view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0);
    CloseHandle(mapping);
    if (!view)
        return 0;
    rows = RowsInView(view, pixels);
    return 1;
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
