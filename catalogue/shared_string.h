// SharedString: a reference-counted byte string that copies its characters
// only before a change. Used by the picture catalogue alone.
#pragma once

#include <cstddef>
#include <cstdint>

// One heap block of capacity + 16 zero-filled bytes: the header, the
// characters, their NUL and three spare bytes. A block whose refCount is
// above 1 is never changed.
struct StringRep {
    uint32_t refCount;
    int32_t capacity;
    int32_t length;
    char chars[4];  // capacity + 1 characters in the real block
};

static_assert(sizeof(StringRep) == 16);
static_assert(offsetof(StringRep, chars) == 12);

class SharedString {
public:
    // Refers to the process-wide empty block.
    SharedString();
    // A null handle: what a new array element holds.
    explicit SharedString(std::nullptr_t) : rep(nullptr) {}
    SharedString(const SharedString& other);
    // Takes the other's block without touching its refCount; other becomes null.
    SharedString(SharedString&& other) noexcept;
    SharedString& operator=(const SharedString& other);
    ~SharedString();

    void Assign(const char* text);
    void Append(const char* text);
    static SharedString Concat(const SharedString& a, const char* b);
    // Gives the handle a block of its own; a null handle gets an empty one.
    void MakeWritable();
    // Drops the handle's reference (the block is freed at 0); the handle becomes null.
    void Release();

    const char* Chars() const;  // "" for a null handle
    char* WritableChars();      // makes the block the handle's own first
    int32_t Length() const;     // 0 for a null handle

    const StringRep* Rep() const { return rep; }

private:
    StringRep* rep;
};
