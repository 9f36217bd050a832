// The texts of the score: the Polish word for a number of moves, the play
// time, and the main window's caption. The words are the shell's string
// resources (LoadText); the texts are UTF-8.
#pragma once

#include <cstdint>

#include "game/score.h"

// The string resource of the word that agrees with moves: "ruch" for 1,
// "ruchy" for 2-4, 22-24, 32-34 and so on (but not 12-14, 112-114...),
// "ruchów" for every other number.
int32_t MovesWordId(uint32_t moves);

// "M ruchów, m:ss" under an hour of play, "M ruchów, h:mm:ss" from an hour
// on, in whole seconds; cut to size bytes with its NUL.
void FormatScore(uint32_t moves, uint32_t playMs, char* text, int32_t size);

// The title alone while the count is unknown; before the first move the
// title and the record of the grid size n, when there is one; in play the
// title and the score; after the win the score as solved, and whether it set
// a record.
void ComposeCaption(const GameCount& game, int32_t solved, int32_t n, const GridRecord& record, char* text,
                    int32_t size);
