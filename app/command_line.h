// The pictures that the command line names, read without Windows: each
// argument after the program's name made a full path against the current
// directory, as "Open with", a drop on the executable or a shortcut pass it.
// Text is UTF-16 (wchar_t on Windows).
#pragma once

#include <cstddef>
#include <cstdint>

#include "app/picture_handover.h"

// The longest path, in code units and without its NUL, that Windows' wide
// calls take.
constexpr size_t MAX_WIDE_PATH = 32767;

// Writes the full path that argument names into path (capacity code units,
// NUL included) and gives 1. Quotes are dropped (no file name holds one),
// spaces and tabs around the argument trimmed, '/' read as '\', trailing dots
// and spaces of each name dropped and "." and ".." resolved, as Windows does.
// A relative argument is read against currentDirectory ("X:\..." or
// "\\server\share\..."), one starting with '\' against its root, "X:name"
// against it when it is on drive X and from X:'s root otherwise. 0, with path
// untouched, for an argument left empty, a drive or share alone, a device
// ("\\.\", "\\?\", or a last name such as CON, NUL, COM1 or lpt2.txt), or a
// path that does not fit.
int32_t FullPathOfArgument(const char16_t* argument, const char16_t* currentDirectory, char16_t* path, size_t capacity);

// Adds the full path of each argument after arguments[0], in order, to list;
// arguments that give no path are passed over, and so are those the list has
// no room left for.
void ListPictureArguments(int32_t count, const char16_t* const* arguments, const char16_t* currentDirectory,
                          PictureHandover& list);
