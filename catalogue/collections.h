// The two growable arrays of the picture catalogue and their common base.
#pragma once

#include <cstdint>

#include "catalogue/shared_string.h"

class CollectionBase {
public:
    virtual const void* ClassInfo() const;  // null for both arrays
    virtual ~CollectionBase();
};

// The storage and growth rule that StringArray and FlagArray share. Elements
// at [0, size) are live; a new element is zero-filled (a null handle or 0).
template <typename Element>
class GrowableArray : public CollectionBase {
public:
    GrowableArray(const GrowableArray&) = delete;
    GrowableArray& operator=(const GrowableArray&) = delete;

    // growBy -1 keeps the stored growth step; 0 is automatic. A negative
    // newSize ends the process: no caller can mean it.
    void SetSize(int32_t newSize, int32_t growBy = -1);

    // No bounds check: 0 <= index < Size().
    Element& operator[](int32_t index) { return data[index]; }
    const Element& operator[](int32_t index) const { return data[index]; }

    int32_t Size() const { return size; }
    int32_t Capacity() const { return capacity; }
    int32_t GrowBy() const { return growBy; }

protected:
    GrowableArray();
    ~GrowableArray() override;

private:
    void RemoveAll();
    void Grow(int32_t newSize);

    Element* data;
    int32_t size;
    int32_t capacity;
    int32_t growBy;
};

extern template class GrowableArray<SharedString>;
extern template class GrowableArray<int32_t>;

class StringArray : public GrowableArray<SharedString> {
public:
    // Appends an element with a block of its own holding text; its index.
    int32_t Add(const char* text);
};

class FlagArray : public GrowableArray<int32_t> {};
