// StringArray and FlagArray: the growth rule, SetSize in every direction,
// and what happens to the elements they drop.
#include <gtest/gtest.h>

#include <vector>

#include "catalogue/collections.h"

namespace {

const std::vector<int32_t> AUTOMATIC_CAPACITIES = {1, 5, 9, 13, 17, 21, 25, 29, 33,
                                                   37, 41, 46, 51, 57, 64, 72, 81};

// The distinct capacities an array passes through while it grows one by one.
template <typename Grow, typename Capacity>
std::vector<int32_t> CapacitiesWhileGrowing(Grow growByOne, Capacity capacity) {
    std::vector<int32_t> seen;
    while (seen.size() < AUTOMATIC_CAPACITIES.size()) {
        growByOne();
        if (seen.empty() || seen.back() != capacity())
            seen.push_back(capacity());
    }
    return seen;
}

TEST(AutomaticGrowth, StringArrayAddGivesTheCapacitySequence) {
    StringArray array;
    const auto seen = CapacitiesWhileGrowing([&] { array.Add("x"); }, [&] { return array.Capacity(); });
    EXPECT_EQ(seen, AUTOMATIC_CAPACITIES);
    EXPECT_EQ(array.Size(), 73);
}

TEST(AutomaticGrowth, FlagArraySetSizeByOneGivesTheCapacitySequence) {
    FlagArray array;
    const auto seen = CapacitiesWhileGrowing([&] { array.SetSize(array.Size() + 1); },
                                             [&] { return array.Capacity(); });
    EXPECT_EQ(seen, AUTOMATIC_CAPACITIES);
}

TEST(AutomaticGrowth, StepIsAtMost1024) {
    FlagArray array;
    array.SetSize(9000);
    EXPECT_EQ(array.Capacity(), 9000);
    array.SetSize(9001);  // 9000 / 8 = 1125, lowered to 1024
    EXPECT_EQ(array.Capacity(), 10024);
}

TEST(AutomaticGrowth, StepFollowsTheSizeNotTheCapacity) {
    FlagArray array;
    array.SetSize(100);
    array.SetSize(40);
    array.SetSize(101);  // 40 / 8 = 5
    EXPECT_EQ(array.Capacity(), 105);
}

TEST(AutomaticGrowth, NeverBelowTheRequestedSize) {
    FlagArray array;
    array.SetSize(2);
    array.SetSize(100);
    EXPECT_EQ(array.Capacity(), 100);
    EXPECT_EQ(array.Size(), 100);
}

TEST(GrowthStep, ANonZeroStepReplacesTheAutomaticOne) {
    FlagArray array;
    array.SetSize(3, 10);
    EXPECT_EQ(array.GrowBy(), 10);
    EXPECT_EQ(array.Capacity(), 3);
    array.SetSize(4);
    EXPECT_EQ(array.Capacity(), 13);
    array.SetSize(30);  // 13 + 10 is too small
    EXPECT_EQ(array.Capacity(), 30);
}

TEST(GrowthStep, MinusOneKeepsTheStoredStepAndZeroRestoresAutomatic) {
    StringArray array;
    array.SetSize(1, 2);
    array.SetSize(2, -1);
    EXPECT_EQ(array.GrowBy(), 2);
    EXPECT_EQ(array.Capacity(), 3);
    array.SetSize(4, 0);
    EXPECT_EQ(array.GrowBy(), 0);
    EXPECT_EQ(array.Capacity(), 7);
}

TEST(SetSizeDownAndUp, StringElementsComeBackNull) {
    StringArray array;
    for (const char* text : {"a", "b", "c", "d"})
        array.Add(text);
    const int32_t capacity = array.Capacity();
    array.SetSize(1);
    EXPECT_EQ(array.Size(), 1);
    array.SetSize(4);
    EXPECT_EQ(array.Capacity(), capacity);
    EXPECT_STREQ(array[0].Chars(), "a");
    for (int32_t i = 1; i < 4; ++i) {
        EXPECT_EQ(array[i].Rep(), nullptr) << i;
        EXPECT_STREQ(array[i].Chars(), "") << i;
    }
}

TEST(SetSizeDownAndUp, FlagsComeBackZero) {
    FlagArray array;
    array.SetSize(4);
    for (int32_t i = 0; i < 4; ++i)
        array[i] = 1;
    array.SetSize(2);
    array.SetSize(4);
    EXPECT_EQ(array[1], 1);
    EXPECT_EQ(array[2], 0);
    EXPECT_EQ(array[3], 0);
}

TEST(SetSizeDownAndUp, ShrinkingReleasesTheDroppedStrings) {
    StringArray array;
    array.Add("keep");
    array.Add("drop");
    const SharedString outside = array[1];
    EXPECT_EQ(outside.Rep()->refCount, 2u);
    array.SetSize(1);
    EXPECT_EQ(outside.Rep()->refCount, 1u);
    EXPECT_STREQ(outside.Chars(), "drop");
}

TEST(SetSizeZero, FreesTheStorageAndTheNextSizeIsExact) {
    StringArray array;
    for (int32_t i = 0; i < 10; ++i)
        array.Add("x");
    array.SetSize(0);
    EXPECT_EQ(array.Size(), 0);
    EXPECT_EQ(array.Capacity(), 0);
    array.SetSize(3);
    EXPECT_EQ(array.Capacity(), 3);
    EXPECT_EQ(array[2].Rep(), nullptr);
}

TEST(Reallocation, MovesHandlesWithoutCountingThem) {
    StringArray array;
    array.Add("first");
    const SharedString outside = array[0];
    const StringRep* block = outside.Rep();
    for (int32_t i = 0; i < 20; ++i)
        array.Add("more");
    EXPECT_EQ(array[0].Rep(), block);
    EXPECT_EQ(block->refCount, 2u);
}

TEST(Reallocation, NewFlagsAreZero) {
    FlagArray array;
    array.SetSize(1);
    array[0] = 1;
    array.SetSize(50);
    EXPECT_EQ(array[0], 1);
    for (int32_t i = 1; i < 50; ++i)
        ASSERT_EQ(array[i], 0) << i;
}

TEST(Add, GivesEachElementABlockOfItsOwnAtTheTextsLength) {
    StringArray array;
    EXPECT_EQ(array.Add("C:\\GAMES\\PUZZLE1.BMP"), 0);
    EXPECT_EQ(array.Add(""), 1);
    EXPECT_EQ(array.Size(), 2);
    EXPECT_STREQ(array[0].Chars(), "C:\\GAMES\\PUZZLE1.BMP");
    EXPECT_EQ(array[0].Rep()->capacity, 20);
    EXPECT_EQ(array[0].Rep()->refCount, 1u);
    EXPECT_EQ(array[1].Rep()->capacity, 0);
    EXPECT_EQ(array[1].Rep()->refCount, 1u);
}

TEST(CollectionBaseInterface, DestroyingThroughTheBaseReleasesTheElements) {
    auto* strings = new StringArray;
    strings->Add("held");
    const SharedString outside = (*strings)[0];
    delete static_cast<CollectionBase*>(strings);
    EXPECT_EQ(outside.Rep()->refCount, 1u);
}

}  // namespace
