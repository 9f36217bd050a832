// The growable arrays: allocation, the growth rule, and what happens to the
// elements on the way in and out.
#include "catalogue/collections.h"

#include <algorithm>
#include <cstdlib>
#include <new>
#include <utility>

#include "catalogue/zeroed_memory.h"

namespace {

constexpr int32_t MIN_AUTOMATIC_STEP = 4;
constexpr int32_t MAX_AUTOMATIC_STEP = 1024;

// A new element: a null handle, or 0.
void MakeNew(SharedString* slot) {
    new (slot) SharedString(nullptr);
}
void MakeNew(int32_t* slot) {
    *slot = 0;
}

// Releasing an element leaves a null handle behind.
void Destroy(SharedString& element) {
    element.~SharedString();
}
void Destroy(int32_t&) {}

// Moves the handle itself: no reference count changes.
void MoveTo(SharedString* slot, SharedString& element) {
    new (slot) SharedString(std::move(element));
    element.~SharedString();
}
void MoveTo(int32_t* slot, int32_t& element) {
    *slot = element;
}

}  // namespace

const void* CollectionBase::ClassInfo() const {
    return nullptr;
}

CollectionBase::~CollectionBase() = default;

template <typename Element>
GrowableArray<Element>::GrowableArray() : data(nullptr), size(0), capacity(0), growBy(0) {}

template <typename Element>
GrowableArray<Element>::~GrowableArray() {
    RemoveAll();
}

template <typename Element>
void GrowableArray<Element>::SetSize(int32_t newSize, int32_t newGrowBy) {
    if (newSize < 0)
        std::abort();
    if (newGrowBy != -1)
        growBy = newGrowBy;

    if (newSize == 0) {
        RemoveAll();
    } else if (!data) {
        data = static_cast<Element*>(AllocateZeroed(static_cast<size_t>(newSize), sizeof(Element)));
        for (int32_t i = 0; i < newSize; ++i)
            MakeNew(&data[i]);
        capacity = newSize;
        size = newSize;
    } else if (newSize <= capacity) {
        for (int32_t i = size; i < newSize; ++i)
            MakeNew(&data[i]);
        for (int32_t i = newSize; i < size; ++i)
            Destroy(data[i]);
        size = newSize;
    } else {
        Grow(newSize);
    }
}

template <typename Element>
void GrowableArray<Element>::RemoveAll() {
    for (int32_t i = 0; i < size; ++i)
        Destroy(data[i]);
    std::free(data);
    data = nullptr;
    size = 0;
    capacity = 0;
}

template <typename Element>
void GrowableArray<Element>::Grow(int32_t newSize) {
    const int32_t step = growBy != 0 ? growBy : std::clamp(size / 8, MIN_AUTOMATIC_STEP, MAX_AUTOMATIC_STEP);
    const int64_t grown = std::min<int64_t>(int64_t{capacity} + step, INT32_MAX);
    const int32_t newCapacity = std::max(static_cast<int32_t>(grown), newSize);

    auto* newData = static_cast<Element*>(AllocateZeroed(static_cast<size_t>(newCapacity), sizeof(Element)));
    for (int32_t i = 0; i < size; ++i)
        MoveTo(&newData[i], data[i]);
    for (int32_t i = size; i < newSize; ++i)
        MakeNew(&newData[i]);
    std::free(data);

    data = newData;
    capacity = newCapacity;
    size = newSize;
}

template class GrowableArray<SharedString>;
template class GrowableArray<int32_t>;

int32_t StringArray::Add(const char* text) {
    const int32_t index = Size();
    SetSize(index + 1);
    (*this)[index].Assign(text);
    return index;
}
