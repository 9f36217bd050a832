// The count of moves, the clock and the records of each grid size.
#include "game/score.h"

#include "game/score_text.h"
#include "game/shell.h"

Score score = {};

namespace {

constexpr int32_t CAPTION_SIZE = 512;

bool clockRunning = false;
uint32_t clockReadAt = 0;  // the monotonic milliseconds of the last reading
bool windowMinimised = false;

uint32_t AddCapped(uint32_t total, uint32_t step, uint32_t limit) {
    return step > limit - total ? limit : total + step;
}

// Adds the time since the last reading while the clock runs. The difference
// of two 32-bit readings is right across the wrap of the milliseconds.
void ReadClock() {
    const uint32_t now = MonotonicMilliseconds();
    const uint32_t step = now - clockReadAt;
    if (clockRunning && step <= MAX_CLOCK_STEP_MS)
        score.game.playMs = AddCapped(score.game.playMs, step, MAX_PLAY_MS);
    clockReadAt = now;
}

// From the first move of a counted game to its win, while the window shows.
bool ClockShouldRun() {
    return score.game.known != 0 && score.game.moves > 0 && gameState.solved == 0 && !windowMinimised;
}

// Runs the clock exactly while the game needs it; its timer ticks when the
// shown second changes.
void SetClockRunning() {
    const bool run = ClockShouldRun();
    if (run || clockRunning)
        SetClockTimer(run ? MS_PER_SECOND - score.game.playMs % MS_PER_SECOND : 0);
    clockRunning = run;
}

GridRecord* RecordOfGridSize(int32_t n) {
    return IsValidGridSize(n) ? &score.records[n - MIN_GRID_SIZE] : nullptr;
}

// Each record of the size is kept on its own: the fewest moves and the
// shortest time may come from different games.
void RecordWin() {
    GridRecord* record = RecordOfGridSize(gameState.gridSize);
    if (!record)
        return;
    const bool first = record->fewestMoves == 0;
    const bool fewer = first || score.game.moves < record->fewestMoves;
    const bool faster = first || score.game.playMs < record->shortestMs;
    if (fewer)
        record->fewestMoves = score.game.moves;
    if (faster)
        record->shortestMs = score.game.playMs;
    score.game.newRecord = fewer || faster ? 1 : 0;
}

}  // namespace

void StartGameCount() {
    ReadClock();
    score.game = GameCount{1, 0, 0, 0};
    SetClockRunning();
    ShowScore();
}

void CountMoves(int32_t tiles) {
    if (score.game.known == 0 || tiles <= 0)
        return;
    ReadClock();
    score.game.moves = AddCapped(score.game.moves, static_cast<uint32_t>(tiles), UINT32_MAX);
    if (gameState.solved != 0)
        RecordWin();
    SetClockRunning();
    ShowScore();
}

void TickClock() {
    UpdateClock();
    ShowScore();
}

void SetWindowMinimised(int32_t minimised) {
    ReadClock();
    windowMinimised = minimised != 0;
    SetClockRunning();
}

void UpdateClock() {
    ReadClock();
    SetClockRunning();
}

void RestoreScore(const Score& restored) {
    ReadClock();
    score = restored;
    SetClockRunning();
    ShowScore();
}

void ShowScore() {
    char caption[CAPTION_SIZE];
    const GridRecord* record = RecordOfGridSize(gameState.gridSize);
    ComposeCaption(score.game, gameState.solved, gameState.gridSize, record ? *record : GridRecord{}, caption,
                   CAPTION_SIZE);
    ShowCaption(caption);
}
