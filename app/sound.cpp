// Starting the move and win sounds from the program's own wave resources.
#include "app/sound.h"

#include <windows.h>
#include <mmsystem.h>

#include "app/process_state.h"

namespace {

void PlayWaveResource(int32_t soundId) {
    PlaySoundA(MAKEINTRESOURCEA(soundId), moduleHandle, SND_RESOURCE | SND_ASYNC);
}

SoundStarter soundStarter = PlayWaveResource;

}  // namespace

void StartSound(int32_t soundId) {
    soundStarter(soundId);
}

SoundStarter SetSoundStarter(SoundStarter starter) {
    const SoundStarter previous = soundStarter;
    soundStarter = starter ? starter : PlayWaveResource;
    return previous;
}
