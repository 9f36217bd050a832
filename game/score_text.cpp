// The score's texts, built from the shell's string resources.
#include "game/score_text.h"

#include "common/resource_ids.h"
#include "game/shell.h"

namespace {

constexpr int32_t WORD_SIZE = 256;
constexpr uint32_t SECONDS_PER_MINUTE = 60;
constexpr uint32_t SECONDS_PER_HOUR = 3600;

// Appends stay within the buffer and keep it NUL-terminated.
struct Text {
    char* chars;
    int32_t size;
    int32_t length;
};

void Append(Text& text, const char* part) {
    if (text.size <= 0)
        return;
    while (*part != '\0' && text.length < text.size - 1)
        text.chars[text.length++] = *part++;
    text.chars[text.length] = '\0';
}

void AppendNumber(Text& text, uint32_t value, int32_t minimumDigits) {
    char digits[16];
    int32_t count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0 || count < minimumDigits);
    char inOrder[16];
    for (int32_t i = 0; i < count; ++i)
        inOrder[i] = digits[count - 1 - i];
    inOrder[count] = '\0';
    Append(text, inOrder);
}

void AppendResource(Text& text, int32_t id) {
    char word[WORD_SIZE];
    LoadText(id, word, WORD_SIZE);
    Append(text, word);
}

void AppendPlayTime(Text& text, uint32_t playMs) {
    const uint32_t seconds = playMs / MS_PER_SECOND;
    const uint32_t hours = seconds / SECONDS_PER_HOUR;
    if (hours > 0) {
        AppendNumber(text, hours, 1);
        Append(text, ":");
    }
    AppendNumber(text, seconds / SECONDS_PER_MINUTE % 60, hours > 0 ? 2 : 1);
    Append(text, ":");
    AppendNumber(text, seconds % SECONDS_PER_MINUTE, 2);
}

void AppendScore(Text& text, uint32_t moves, uint32_t playMs) {
    AppendNumber(text, moves, 1);
    Append(text, " ");
    AppendResource(text, MovesWordId(moves));
    Append(text, ", ");
    AppendPlayTime(text, playMs);
}

// " - " or ": " and the score.
void AppendPart(Text& text, const char* separator, uint32_t moves, uint32_t playMs) {
    Append(text, separator);
    AppendScore(text, moves, playMs);
}

// " - ułożone: 3 ruchy, 0:41", then " - nowy rekord" when it set one.
void AppendSolved(Text& text, const GameCount& game) {
    Append(text, " - ");
    AppendResource(text, IDS_CAPTION_SOLVED);
    AppendPart(text, ": ", game.moves, game.playMs);
    if (game.newRecord == 0)
        return;
    Append(text, " - ");
    AppendResource(text, IDS_CAPTION_NEW_RECORD);
}

// " - rekord 4x4: 52 ruchy, 1:05", as the menu names the size.
void AppendRecord(Text& text, int32_t n, const GridRecord& record) {
    Append(text, " - ");
    AppendResource(text, IDS_CAPTION_RECORD);
    Append(text, " ");
    AppendNumber(text, static_cast<uint32_t>(n), 1);
    Append(text, "x");
    AppendNumber(text, static_cast<uint32_t>(n), 1);
    AppendPart(text, ": ", record.fewestMoves, record.shortestMs);
}

}  // namespace

int32_t MovesWordId(uint32_t moves) {
    const uint32_t lastDigit = moves % 10;
    const uint32_t lastTwo = moves % 100;
    if (moves == 1)
        return IDS_MOVES_ONE;
    if (lastDigit >= 2 && lastDigit <= 4 && (lastTwo < 12 || lastTwo > 14))
        return IDS_MOVES_FEW;
    return IDS_MOVES_MANY;
}

void FormatScore(uint32_t moves, uint32_t playMs, char* text, int32_t size) {
    Text out = {text, size, 0};
    Append(out, "");
    AppendScore(out, moves, playMs);
}

void ComposeCaption(const GameCount& game, int32_t solved, int32_t n, const GridRecord& record, char* text,
                    int32_t size) {
    Text out = {text, size, 0};
    Append(out, "");
    AppendResource(out, IDS_TITLE);
    if (game.known == 0)
        return;
    if (solved != 0)
        AppendSolved(out, game);
    else if (game.moves > 0)
        AppendPart(out, " - ", game.moves, game.playMs);
    else if (record.fewestMoves > 0)
        AppendRecord(out, n, record);
}
