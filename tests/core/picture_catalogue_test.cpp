// The catalogue's choice of the next picture, the number of random draws each
// choice takes, and the look-up of a path with only ASCII letters case-blind.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "catalogue/picture_catalogue.h"
#include "game/random.h"
#include "recording_shell.h"

namespace {

// Reseeds the generator after reading its first draws, which tell how many
// draws a choice takes.
std::vector<int32_t> DrawsFrom(uint32_t seed) {
    SeedRandom(seed);
    std::vector<int32_t> draws(1000);
    for (int32_t& draw : draws)
        draw = DrawRandom();
    SeedRandom(seed);
    return draws;
}

// One picture is always chosen without a draw. Of more, until every one was
// used: the first unused one at or after one draw; then draws until one
// differs from the current picture. A continued game's picture counts as used.
TEST(PictureChoice, NoPictureRepeatsWithinACycleNorTwiceInARow) {
    for (int32_t k = 1; k <= 6; ++k)
        for (uint32_t seed = 0; seed < 30; ++seed) {
            ResetShellAndGame();
            std::vector<std::string> paths;
            for (int32_t i = 0; i < k; ++i)
                paths.push_back("C:\\GRY\\PUZZLE" + std::to_string(i) + ".BMP");
            FillCatalogue(paths);
            std::vector<bool> used(k, false);
            int32_t current = static_cast<int32_t>(seed) % k;
            if (seed % 2) {
                MarkPictureUsed(current);
                std::strcpy(gameState.picturePath, PicturePath(current));
                used[current] = true;
            }
            const std::vector<int32_t> draws = DrawsFrom(seed);
            size_t next = 0;
            for (int32_t game = 0; game < 3 * k; ++game) {
                int32_t expected = k == 1 ? 0 : draws[next++] % k;
                if (std::count(used.begin(), used.end(), false) > 0) {
                    while (used[expected])
                        expected = (expected + 1) % k;
                    used[expected] = true;
                } else {
                    while (k > 1 && expected == current)
                        expected = draws[next++] % k;
                }
                ASSERT_EQ(ChooseNextPicture(), expected) << "k " << k << " seed " << seed << " game " << game;
                std::strcpy(gameState.picturePath, PicturePath(expected));
                current = expected;
            }
            ASSERT_EQ(DrawRandom(), draws[next]) << "k " << k << " seed " << seed << ": draws taken";
        }
}

// Bytes above 127 (0xA5/0xB9 and 0xC0/0xE0 are letter pairs in code pages
// 1250 and 1252) and punctuation that differs from a letter by the case bit
// match exactly.
TEST(PictureLookUp, IgnoresTheCaseOfAsciiLettersOnlyAndMatchesWholePaths) {
    ResetShellAndGame();
    FillCatalogue({"C:\\GRY\\PUZZLE1.BMP",
                   "C:\\ZDJ\xA5"
                   "CIA\\@[PUZZLE].BMP",
                   "C:\\\xC0\\PUZZLE.BMP"});
    const std::pair<const char*, int32_t> cases[] = {{"c:\\gry\\Puzzle1.bmp", 0},
                                                     {"C:\\GRY\\PUZZLE1", -1},
                                                     {"C:\\GRY\\PUZZLE1.BMPX", -1},
                                                     {nullptr, -1},
                                                     {"c:\\zdj\xA5"
                                                      "cia\\@[puzzle].bmp",
                                                      1},
                                                     {"C:\\ZDJ\xB9"
                                                      "CIA\\@[PUZZLE].BMP",
                                                      -1},
                                                     {"C:\\ZDJ\xA5"
                                                      "CIA\\`{PUZZLE}.BMP",
                                                      -1},
                                                     {"C:|ZDJ\xA5"
                                                      "CIA|@[PUZZLE].BMP",
                                                      -1},
                                                     {"C:\\\xE0\\PUZZLE.BMP", -1}};
    for (const auto& [path, index] : cases)
        EXPECT_EQ(FindPicture(path), index) << (path ? path : "null");
    char text[] = "c:\\gry\\puzzle1.bmp `az{ @AZ[ \xB9\xE0\xFF";
    UpperCaseAscii(text);
    EXPECT_STREQ(text, "C:\\GRY\\PUZZLE1.BMP `AZ{ @AZ[ \xB9\xE0\xFF");
}

}  // namespace
