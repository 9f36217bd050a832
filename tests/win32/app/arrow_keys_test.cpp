// The keys that play: the arrow keys and the keypad's, in both Num Lock
// modes, and no other key.
#include <gtest/gtest.h>

#include <windows.h>

#include <map>

#include "app/arrow_keys.h"

namespace {

TEST(ArrowKeys, TheArrowsAndTheKeypadsArrowsAndDigitsAreArrowsAndNoOtherKey) {
    const std::map<uint32_t, Arrow> arrows = {
        {VK_LEFT, Arrow::Left},    {VK_RIGHT, Arrow::Right},   {VK_UP, Arrow::Up},      {VK_DOWN, Arrow::Down},
        {VK_NUMPAD4, Arrow::Left}, {VK_NUMPAD6, Arrow::Right}, {VK_NUMPAD8, Arrow::Up}, {VK_NUMPAD2, Arrow::Down}};
    for (uint32_t key = 0; key <= 0x1FF; ++key) {
        Arrow arrow = Arrow::Left;
        const int32_t isArrow = ArrowForKey(key, arrow);
        EXPECT_EQ(isArrow, int32_t(arrows.count(key))) << std::hex << key;
        EXPECT_TRUE(!isArrow || arrow == arrows.at(key)) << std::hex << key;
    }
}

}  // namespace
