// SharedString over StringRep blocks, and the process-wide empty block.
#include "catalogue/shared_string.h"

#include <cstdlib>
#include <cstring>

#include "catalogue/zeroed_memory.h"

namespace {

// Constant-initialised, so it exists before any global object is constructed;
// it holds one reference for the process and is never freed.
StringRep emptyRep = {1, 0, 0, {}};

constexpr int32_t BLOCK_OVERHEAD = 16;
constexpr int32_t MAX_CAPACITY = INT32_MAX - BLOCK_OVERHEAD;

StringRep* NewRep(int32_t capacity) {
    auto* rep = static_cast<StringRep*>(AllocateZeroed(static_cast<size_t>(capacity) + BLOCK_OVERHEAD, 1));
    rep->refCount = 1;
    rep->capacity = capacity;
    return rep;
}

// Characters through a plain pointer: the real block is longer than chars[4].
char* CharsOf(StringRep* rep) {
    return rep->chars;
}

// length + added, for a block's capacity; a sum no block can hold ends the process.
int32_t SumCapacity(int32_t length, size_t added) {
    if (added > static_cast<size_t>(MAX_CAPACITY - length))
        std::abort();
    return length + static_cast<int32_t>(added);
}

const char* TextOrEmpty(const char* text) {
    return text ? text : "";
}

}  // namespace

SharedString::SharedString() : rep(&emptyRep) {
    ++rep->refCount;
}

SharedString::SharedString(const SharedString& other) : rep(other.rep) {
    if (rep)
        ++rep->refCount;
}

SharedString::SharedString(SharedString&& other) noexcept : rep(other.rep) {
    other.rep = nullptr;
}

SharedString& SharedString::operator=(const SharedString& other) {
    // Counting the new reference first keeps self-assignment safe.
    StringRep* shared = other.rep;
    if (shared)
        ++shared->refCount;
    Release();
    rep = shared;
    return *this;
}

SharedString::~SharedString() {
    Release();
}

void SharedString::Release() {
    if (rep && --rep->refCount == 0)
        std::free(rep);
    rep = nullptr;
}

// The text is copied before the old block is released, so it may lie in it.
void SharedString::Assign(const char* text) {
    text = TextOrEmpty(text);
    const size_t n = std::strlen(text);
    StringRep* target = rep;
    if (!target)
        target = NewRep(SumCapacity(0, n));
    else if (target->refCount > 1 || static_cast<size_t>(target->capacity) < n)
        target = NewRep(SumCapacity(target->length, n));
    std::memmove(CharsOf(target), text, n + 1);
    target->length = static_cast<int32_t>(n);
    if (target != rep) {
        Release();
        rep = target;
    }
}

void SharedString::Append(const char* text) {
    text = TextOrEmpty(text);
    const size_t n = std::strlen(text);
    StringRep* target = rep;
    if (!target) {
        target = NewRep(SumCapacity(0, n));
    } else if (target->refCount > 1 || static_cast<size_t>(target->capacity - target->length) < n) {
        target = NewRep(SumCapacity(rep->length, n));
        std::memcpy(CharsOf(target), CharsOf(rep), static_cast<size_t>(rep->length));
        target->length = rep->length;
    }
    char* end = CharsOf(target) + target->length;
    std::memmove(end, text, n);
    end[n] = '\0';
    target->length += static_cast<int32_t>(n);
    if (target != rep) {
        Release();
        rep = target;
    }
}

SharedString SharedString::Concat(const SharedString& a, const char* b) {
    b = TextOrEmpty(b);
    const int32_t aLength = a.Length();
    const size_t bLength = std::strlen(b);
    SharedString result(nullptr);
    result.rep = NewRep(SumCapacity(aLength, bLength));
    std::memcpy(CharsOf(result.rep), a.Chars(), static_cast<size_t>(aLength));
    std::memcpy(CharsOf(result.rep) + aLength, b, bLength);
    result.rep->length = result.rep->capacity;
    return result;
}

void SharedString::MakeWritable() {
    if (!rep) {
        rep = NewRep(0);
    } else if (rep->refCount > 1) {
        StringRep* copy = NewRep(rep->length);
        std::memcpy(CharsOf(copy), CharsOf(rep), static_cast<size_t>(rep->length));
        copy->length = rep->length;
        Release();
        rep = copy;
    }
}

const char* SharedString::Chars() const {
    return rep ? CharsOf(rep) : "";
}

char* SharedString::WritableChars() {
    MakeWritable();
    return CharsOf(rep);
}

int32_t SharedString::Length() const {
    return rep ? rep->length : 0;
}
