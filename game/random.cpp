// The process-wide random generator.
#include "game/random.h"

namespace {
uint32_t randomState = 1;  // until start-up seeds it
}

void SeedRandom(uint32_t seed) {
    randomState = seed;
}

int32_t DrawRandom() {
    randomState = randomState * 214013u + 2531011u;
    return static_cast<int32_t>((randomState >> 16) & RANDOM_MAX);
}
