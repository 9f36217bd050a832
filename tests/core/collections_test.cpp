// StringArray and FlagArray: the growth rule, SetSize in every direction,
// and what happens to the elements they drop.
#include <gtest/gtest.h>

#include <vector>

#include "catalogue/collections.h"

namespace {

// The distinct capacities an array passes through while it grows one by one.
template <typename Array, typename Grow>
std::vector<int32_t> CapacitiesWhileGrowing(Array& array, Grow growByOne) {
    std::vector<int32_t> seen;
    while (seen.size() < 17) {
        growByOne();
        if (seen.empty() || seen.back() != array.Capacity())
            seen.push_back(array.Capacity());
    }
    return seen;
}

TEST(AutomaticGrowth, BothArraysPassThroughTheCapacitySequence) {
    const std::vector<int32_t> expected = {1, 5, 9, 13, 17, 21, 25, 29, 33, 37, 41, 46, 51, 57, 64, 72, 81};
    StringArray strings;
    EXPECT_EQ(CapacitiesWhileGrowing(strings, [&] { strings.Add("x"); }), expected);
    EXPECT_EQ(strings.Size(), 73);
    FlagArray flags;
    EXPECT_EQ(CapacitiesWhileGrowing(flags, [&] { flags.SetSize(flags.Size() + 1); }), expected);
}

TEST(AutomaticGrowth, StepIsAnEighthOfTheSizeAtMost1024AndNeverShortOfTheRequest) {
    FlagArray array;
    array.SetSize(9000);
    array.SetSize(9001);  // 9000 / 8 = 1125, lowered to 1024
    EXPECT_EQ(array.Capacity(), 10024);

    FlagArray shrunk;
    shrunk.SetSize(100);
    shrunk.SetSize(40);
    shrunk.SetSize(101);  // 40 / 8 = 5: the size counts, not the capacity
    EXPECT_EQ(shrunk.Capacity(), 105);

    FlagArray small;
    small.SetSize(2);
    small.SetSize(100);
    EXPECT_EQ(small.Capacity(), 100);
}

TEST(GrowthStep, NonZeroReplacesTheAutomaticStepMinusOneKeepsItZeroRestoresIt) {
    FlagArray array;
    array.SetSize(3, 10);
    EXPECT_EQ(array.GrowBy(), 10);
    EXPECT_EQ(array.Capacity(), 3);
    array.SetSize(4, -1);
    EXPECT_EQ(array.GrowBy(), 10);
    EXPECT_EQ(array.Capacity(), 13);
    array.SetSize(30);  // 13 + 10 is too small
    EXPECT_EQ(array.Capacity(), 30);
    array.SetSize(31, 0);  // automatic again: 30 / 8, raised to 4
    EXPECT_EQ(array.GrowBy(), 0);
    EXPECT_EQ(array.Capacity(), 34);
}

TEST(SetSizeDownAndUp, GivesNewElementsNotTheOldOnes) {
    StringArray strings;
    for (const char* text : {"a", "b", "c", "d"})
        strings.Add(text);
    const SharedString dropped = strings[1];
    strings.SetSize(1);
    EXPECT_EQ(dropped.Rep()->refCount, 1u) << "shrinking releases the dropped strings";
    strings.SetSize(4);
    EXPECT_STREQ(strings[0].Chars(), "a");
    for (int32_t i = 1; i < 4; ++i)
        EXPECT_EQ(strings[i].Rep(), nullptr) << i;

    FlagArray flags;
    flags.SetSize(4);
    for (int32_t i = 0; i < 4; ++i)
        flags[i] = 1;
    flags.SetSize(2);
    flags.SetSize(50);  // also past the capacity
    EXPECT_EQ(flags[1], 1);
    for (int32_t i = 2; i < 50; ++i)
        ASSERT_EQ(flags[i], 0) << i;
}

TEST(Reallocation, MovesHandlesWithoutCountingThem) {
    StringArray array;
    array.Add("first");
    const SharedString outside = array[0];
    for (int32_t i = 0; i < 20; ++i)
        array.Add("more");
    EXPECT_EQ(array[0].Rep(), outside.Rep());
    EXPECT_EQ(outside.Rep()->refCount, 2u);
}

TEST(CollectionBaseInterface, DestroyingThroughTheBaseReleasesTheElements) {
    auto* strings = new StringArray;
    strings->Add("held");
    const SharedString outside = (*strings)[0];
    delete static_cast<CollectionBase*>(strings);
    EXPECT_EQ(outside.Rep()->refCount, 1u);
}

}  // namespace
