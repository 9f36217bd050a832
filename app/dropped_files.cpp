// Files dropped on the main window, read as wide paths.
#include "app/dropped_files.h"

#include <cstdlib>

#include "app/command_line.h"
#include "app/given_picture.h"
#include "catalogue/zeroed_memory.h"

namespace {

constexpr UINT FILE_COUNT = 0xFFFFFFFF;

// Dropped file index when its name fits a wide path, into name.
bool DroppedName(HDROP drop, UINT index, wchar_t* name) {
    const UINT length = DragQueryFileW(drop, index, nullptr, 0);
    return length > 0 && length <= MAX_WIDE_PATH && DragQueryFileW(drop, index, name, MAX_WIDE_PATH + 1) == length;
}

}  // namespace

void OnDropFiles(HDROP drop) {
    const UINT count = DragQueryFileW(drop, FILE_COUNT, nullptr, 0);
    wchar_t* name = static_cast<wchar_t*>(AllocateZeroed(MAX_WIDE_PATH + 1, sizeof(wchar_t)));
    bool played = false;
    for (UINT i = 0; name && i < count && !played; ++i)
        played = DroppedName(drop, i, name) && PlayPictureNamed(name);
    std::free(name);
    DragFinish(drop);
    if (!played)
        WarnNotAPicture();
}
