// SharedString: a reference-counted byte string that copies its characters
// only before a change. Used by the picture catalogue alone.
#pragma once

#include <cstdint>

// One heap block of capacity + 16 zero-filled bytes: the header, the
// characters, their NUL and three spare bytes.
struct StringRep {
    uint32_t refCount;
    int32_t capacity;
    int32_t length;
    char chars[4];  // capacity + 1 characters in the real block
};

class SharedString {
public:
    SharedString();
    SharedString(const SharedString& other);
    SharedString& operator=(const SharedString& other);
    ~SharedString();

    void Assign(const char* text);
    void Append(const char* text);
    static SharedString Concat(const SharedString& a, const char* b);
    void MakeWritable();

    const char* Chars() const;
    char* WritableChars();  // after MakeWritable
    int32_t Length() const;

    const StringRep* Rep() const { return rep; }

private:
    StringRep* rep;
};
