// The process-wide random generator: a 32-bit linear congruential generator
// shared by the picture choice and the shuffle.
#pragma once

#include <cstdint>

constexpr int32_t RANDOM_MAX = 0x7FFF;

// Replaces the generator's state; start-up seeds it once with the time.
void SeedRandom(uint32_t seed);

// Advances the state and returns a draw from 0 to RANDOM_MAX.
int32_t DrawRandom();
