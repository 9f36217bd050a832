// The command line's pictures as full paths.
#include "app/command_line.h"

#include <cstdlib>
#include <cstring>

#include "catalogue/zeroed_memory.h"

namespace {

constexpr char16_t BACKSLASH = u'\\';

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}

bool IsSeparator(char16_t c) {
    return c == BACKSLASH || c == u'/';
}

bool IsLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

char16_t UpperAscii(char16_t c) {
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

size_t Length(const char16_t* text) {
    size_t length = 0;
    while (text[length])
        ++length;
    return length;
}

// The argument without its quotes and the blanks around it, in a new block.
char16_t* Cleaned(const char16_t* argument) {
    const size_t length = Length(argument);
    char16_t* text = static_cast<char16_t*>(AllocateZeroed(length + 1, sizeof(char16_t)));
    size_t kept = 0;
    for (size_t i = 0; i < length; ++i)
        if (argument[i] != u'"' && (kept > 0 || !IsBlank(argument[i])))
            text[kept++] = argument[i];
    while (kept > 0 && IsBlank(text[kept - 1]))
        text[--kept] = 0;
    return text;
}

// A path built in the caller's buffer; nothing is ever cut below its root
// ("X:" or "\\server\share").
struct PathBuilder {
    char16_t* text;
    size_t capacity;
    size_t length;
    size_t rootLength;
    bool fits;
};

void Append(PathBuilder& path, const char16_t* from, size_t count) {
    if (!path.fits || path.length + count >= path.capacity) {
        path.fits = false;
        return;
    }
    std::memcpy(path.text + path.length, from, count * sizeof(char16_t));
    path.length += count;
}

void DropLastName(PathBuilder& path) {
    while (path.length > path.rootLength && path.text[path.length - 1] != BACKSLASH)
        --path.length;
    if (path.length > path.rootLength)
        --path.length;
}

// Appends the names of text, separated by '\' or '/', resolving "." and "..".
void AppendNames(PathBuilder& path, const char16_t* text) {
    while (*text) {
        while (IsSeparator(*text))
            ++text;
        size_t length = 0;
        while (text[length] && !IsSeparator(text[length]))
            ++length;
        const bool parent = length == 2 && text[0] == u'.' && text[1] == u'.';
        size_t kept = length;
        while (kept > 0 && (text[kept - 1] == u'.' || text[kept - 1] == u' '))
            --kept;
        if (parent) {
            DropLastName(path);
        } else if (kept > 0) {
            Append(path, &BACKSLASH, 1);
            Append(path, text, kept);
        }
        text += length;
    }
}

// The length of the root of an absolute path: "X:" before a separator, or
// "\\server\share"; 0 when text has none.
size_t RootLength(const char16_t* text) {
    if (IsLetter(text[0]) && text[1] == u':' && IsSeparator(text[2]))
        return 2;
    if (!IsSeparator(text[0]) || !IsSeparator(text[1]))
        return 0;
    size_t end = 2;
    for (int part = 0; part < 2; ++part) {
        const size_t start = end;
        while (text[end] && !IsSeparator(text[end]))
            ++end;
        if (end == start)
            return 0;
        if (part == 0 && end == start + 1 && (text[start] == u'.' || text[start] == u'?'))
            return 0;  // the device namespaces
        if (part == 0 && text[end])
            ++end;
    }
    return end;
}

// Starts path at the root of an absolute text; false when text has none.
bool StartAtRoot(PathBuilder& path, const char16_t* text) {
    const size_t root = RootLength(text);
    if (root == 0)
        return false;
    Append(path, text, root);
    for (size_t i = 0; i < root; ++i)
        if (path.text[i] == u'/')
            path.text[i] = BACKSLASH;
    path.rootLength = root;
    return true;
}

// Starts path at the current directory, resolved as any absolute path.
bool StartAtDirectory(PathBuilder& path, const char16_t* directory) {
    if (!StartAtRoot(path, directory))
        return false;
    AppendNames(path, directory + path.rootLength);
    return true;
}

// The start of a path written from text, and the part of text still to append.
bool StartPath(PathBuilder& path, const char16_t* text, const char16_t* directory, const char16_t*& rest) {
    rest = text;
    if (RootLength(text) > 0 || (IsSeparator(text[0]) && IsSeparator(text[1]))) {
        if (!StartAtRoot(path, text))
            return false;
        rest = text + path.rootLength;
        return true;
    }
    if (IsLetter(text[0]) && text[1] == u':') {
        rest = text + 2;
        if (UpperAscii(text[0]) == UpperAscii(directory[0]) && directory[1] == u':')
            return StartAtDirectory(path, directory);
        const char16_t drive[] = {text[0], u':', BACKSLASH, 0};
        return StartAtRoot(path, drive);
    }
    if (!StartAtDirectory(path, directory))
        return false;
    if (IsSeparator(text[0]))
        path.length = path.rootLength;
    return true;
}

bool EqualsUpper(const char16_t* name, size_t length, const char* upper) {
    for (size_t i = 0; i < length; ++i)
        if (!upper[i] || UpperAscii(name[i]) != static_cast<char16_t>(upper[i]))
            return false;
    return upper[length] == '\0';
}

// A last name that Windows opens as a device whatever its extension.
bool IsDeviceName(const char16_t* name, size_t length) {
    size_t base = 0;
    while (base < length && name[base] != u'.')
        ++base;
    while (base > 0 && name[base - 1] == u' ')
        --base;
    static const char* const DEVICES[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    for (const char* device : DEVICES)
        if (EqualsUpper(name, base, device))
            return true;
    const bool numbered = base == 4 && name[3] >= u'1' && name[3] <= u'9';
    return numbered && (EqualsUpper(name, 3, "COM") || EqualsUpper(name, 3, "LPT"));
}

bool NamesADevice(const PathBuilder& path) {
    size_t start = path.length;
    while (start > path.rootLength && path.text[start - 1] != BACKSLASH)
        --start;
    return IsDeviceName(path.text + start, path.length - start);
}

}  // namespace

int32_t FullPathOfArgument(const char16_t* argument, const char16_t* currentDirectory, char16_t* path,
                           size_t capacity) {
    char16_t* text = Cleaned(argument);
    char16_t* built = static_cast<char16_t*>(AllocateZeroed(MAX_WIDE_PATH + 1, sizeof(char16_t)));
    PathBuilder full = {built, MAX_WIDE_PATH + 1, 0, 0, true};
    const char16_t* rest = nullptr;
    const bool named = text[0] && StartPath(full, text, currentDirectory, rest);
    if (named)
        AppendNames(full, rest);
    const bool taken = named && full.fits && full.length > full.rootLength && full.length < capacity &&
                       !NamesADevice(full);
    if (taken) {
        std::memcpy(path, built, full.length * sizeof(char16_t));
        path[full.length] = 0;
    }
    std::free(built);
    std::free(text);
    return taken ? 1 : 0;
}

void ListPictureArguments(int32_t count, const char16_t* const* arguments, const char16_t* currentDirectory,
                          PictureHandover& list) {
    char16_t* path = static_cast<char16_t*>(AllocateZeroed(MAX_WIDE_PATH + 1, sizeof(char16_t)));
    for (int32_t i = 1; i < count; ++i)
        if (FullPathOfArgument(arguments[i], currentDirectory, path, MAX_WIDE_PATH + 1))
            AddHandedPath(list, path);
    std::free(path);
}
