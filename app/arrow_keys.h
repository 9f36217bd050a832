// The keys that play: the arrow keys and the keypad's, turned into the
// game's arrows.
#pragma once

#include <cstdint>

#include "game/keys.h"

// 1, with arrow filled in, for the virtual-key code of an arrow key (the
// keypad's arrows send these with Num Lock off) or of the keypad's 4, 6, 8
// or 2 (Num Lock on); 0 for any other key.
int32_t ArrowForKey(uint32_t virtualKey, Arrow& arrow);
