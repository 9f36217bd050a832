// The arrow keys and the keypad's digits that stand for them.
#include "app/arrow_keys.h"

#include <windows.h>

namespace {

struct ArrowKey {
    uint32_t virtualKey;
    Arrow arrow;
};

constexpr ArrowKey ARROW_KEYS[] = {
    {VK_LEFT, Arrow::Left},    {VK_RIGHT, Arrow::Right},   {VK_UP, Arrow::Up},      {VK_DOWN, Arrow::Down},
    {VK_NUMPAD4, Arrow::Left}, {VK_NUMPAD6, Arrow::Right}, {VK_NUMPAD8, Arrow::Up}, {VK_NUMPAD2, Arrow::Down},
};

}  // namespace

int32_t ArrowForKey(uint32_t virtualKey, Arrow& arrow) {
    for (const ArrowKey& key : ARROW_KEYS)
        if (key.virtualKey == virtualKey) {
            arrow = key.arrow;
            return 1;
        }
    return 0;
}
