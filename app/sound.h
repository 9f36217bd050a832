// The one place where the program starts a sound; tests put their own
// starter in its place.
#pragma once

#include <cstdint>

// Starts the wave resource soundId of the program's module and returns at
// once; a sound that cannot be played is skipped.
void StartSound(int32_t soundId);

// Replaces the routine that StartSound hands the id to; null restores the
// default (PlaySoundA). Returns the routine used so far.
using SoundStarter = void (*)(int32_t soundId);
SoundStarter SetSoundStarter(SoundStarter starter);
