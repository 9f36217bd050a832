// The block in which a second start hands its pictures to the running game
// (the data of a WM_COPYDATA message), and its check on arrival. No Windows
// header: it builds natively and for Windows.
//
// The block is a list of UTF-16 full paths, each ended by a NUL, and the list
// by one more NUL; its length is even, at most MAX_HANDOVER_BYTES.
#pragma once

#include <cstddef>
#include <cstdint>

// The message's dwData: "PzPt", so another program's copy data is told apart.
constexpr uint32_t PICTURE_HANDOVER_TAG = 0x74507A50;
constexpr size_t MAX_HANDOVER_UNITS = 65536;
constexpr size_t MAX_HANDOVER_BYTES = MAX_HANDOVER_UNITS * sizeof(char16_t);

// A list being written: its units, zero-filled, and the number in use.
struct PictureHandover {
    char16_t* units;
    size_t length;  // units in use, the last path's NUL included
};

// An empty list in a new block; FreeHandover gives it back.
PictureHandover NewHandover();
void FreeHandover(PictureHandover& handover);

// Adds path to the list; 0, with the list as it was, when it would not fit.
int32_t AddHandedPath(PictureHandover& handover, const char16_t* path);

// The bytes of the list as it is sent; 0 while it holds no path.
size_t HandoverBytes(const PictureHandover& handover);

// 1 when a message's tag and data are a list as a second start sends it: the
// tag above, data that exists, an even length from 4 to MAX_HANDOVER_BYTES,
// a first path that is not empty and an end in two NULs. Only data's first
// bytes are read, byte by byte (it need not be aligned).
int32_t IsPictureHandover(uint64_t tag, const void* data, size_t bytes);
