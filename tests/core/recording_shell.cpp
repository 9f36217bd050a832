// The recording shell: each operation the rules ask of the shell appends what
// it was asked, and what it would read, to the log.
#include "recording_shell.h"

#include <cstdio>
#include <map>

#include "common/resource_ids.h"
#include "catalogue/picture_catalogue.h"
#include "game/score.h"

RecordingShell shell;
PictureCatalogue pictureCatalogue;

namespace {

template <typename... Values>
void Record(const char* format, Values... values) {
    char line[PICTURE_PATH_SIZE + 16];
    std::snprintf(line, sizeof line, format, values...);
    shell.calls.push_back(line);
}

}  // namespace

int32_t LoadBothPictures() {
    Record("load %s", gameState.picturePath);
    return shell.loadable.count(gameState.picturePath) ? 1 : 0;
}

PictureSize SourcePictureSize() {
    return shell.pictureSize;
}

void FitWindowToPicture() {
    shell.calls.push_back("fit");
}

void RepaintBoard() {
    shell.calls.push_back("repaint");
    shell.repainted = gameState.board;
}

void UpdateMenu() {
    Record("menu %d %d %d", gameState.previewOn, gameState.gridSize, gameState.soundOn);
}

void StartSound(GameSound sound) {
    Record("sound %s", sound == GameSound::Win ? "win" : "move");
}

void AnimateSlide(int32_t fromColumn, int32_t fromRow, int32_t toColumn, int32_t toRow) {
    Record("slide %d %d,%d->%d,%d", CellAt(gameState.board, fromRow, fromColumn), fromColumn, fromRow, toColumn, toRow);
}

uint32_t MonotonicMilliseconds() {
    return shell.now;
}

void LoadText(int32_t id, char* text, int32_t size) {
    static const std::map<int32_t, std::string> texts = {{IDS_TITLE, "Zelvany - Puzzle"},
                                                         {IDS_MOVES_ONE, "ruch"},
                                                         {IDS_MOVES_FEW, "ruchy"},
                                                         {IDS_MOVES_MANY, "ruchów"},
                                                         {IDS_CAPTION_RECORD, "rekord"},
                                                         {IDS_CAPTION_SOLVED, "ułożone"},
                                                         {IDS_CAPTION_NEW_RECORD, "nowy rekord"}};
    const auto found = texts.find(id);
    std::snprintf(text, size, "%s", found == texts.end() ? "" : found->second.c_str());
}

void ShowCaption(const char* text) {
    shell.caption = text;
}

void SetClockTimer(uint32_t delayMs) {
    shell.timerDelay = delayMs;
}

void ResetShellAndGame() {
    gameState = DEFAULT_GAME_STATE;
    SetWindowMinimised(0);
    RestoreScore(Score{});
    shell = RecordingShell{};
    FillCatalogue({});
}

void FillCatalogue(const std::vector<std::string>& paths) {
    pictureCatalogue.paths.SetSize(0);
    for (const std::string& path : paths)
        pictureCatalogue.paths.Add(path.c_str());
    pictureCatalogue.usedFlags.SetSize(0);
    pictureCatalogue.usedFlags.SetSize(pictureCatalogue.paths.Size());
    pictureCatalogue.allUsed = 0;
}

Board BoardOf(const std::vector<int32_t>& rowByRow, int32_t outside) {
    const int32_t n = GridSizeOf(rowByRow);
    Board board;
    for (int32_t& cell : board.cells)
        cell = outside;
    for (int32_t i = 0; i < n * n; ++i)
        CellAt(board, i / n, i % n) = rowByRow[i];
    return board;
}

std::vector<int32_t> Cells(const Board& board) {
    return {board.cells, board.cells + BOARD_CELLS};
}
