// The two growable arrays of the picture catalogue and their common base.
#pragma once

#include <cstdint>

#include "catalogue/shared_string.h"

class CollectionBase {
public:
    virtual const void* ClassInfo() const;
    virtual ~CollectionBase();
};

class StringArray : public CollectionBase {
public:
    StringArray();
    ~StringArray() override;

    // growBy -1 keeps the stored growth step; 0 is automatic.
    void SetSize(int32_t newSize, int32_t growBy = -1);
    int32_t Add(const char* text);  // index of the new element
    SharedString& operator[](int32_t index) { return data[index]; }
    const SharedString& operator[](int32_t index) const { return data[index]; }

    int32_t Size() const { return size; }
    int32_t Capacity() const { return capacity; }
    int32_t GrowBy() const { return growBy; }

private:
    SharedString* data;
    int32_t size;
    int32_t capacity;
    int32_t growBy;
};

class FlagArray : public CollectionBase {
public:
    FlagArray();
    ~FlagArray() override;

    void SetSize(int32_t newSize, int32_t growBy = -1);
    int32_t& operator[](int32_t index) { return data[index]; }
    int32_t operator[](int32_t index) const { return data[index]; }

    int32_t Size() const { return size; }
    int32_t Capacity() const { return capacity; }
    int32_t GrowBy() const { return growBy; }

private:
    int32_t* data;
    int32_t size;
    int32_t capacity;
    int32_t growBy;
};
