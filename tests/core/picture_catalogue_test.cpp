// The catalogue's platform-free rules: the choice of the next picture, the
// number of random draws it takes, the look-up by path and the letter case.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

#include "catalogue/picture_catalogue.h"
#include "game/game_state.h"
#include "game/random.h"

namespace {

// The generator's own rule, to tell how many draws a choice took.
struct ReferenceGenerator {
    uint32_t state;
    int32_t Draw() {
        state = state * 214013u + 2531011u;
        return static_cast<int32_t>((state >> 16) & 0x7FFF);
    }
};

void EmptyCatalogue() {
    pictureCatalogue.paths.SetSize(0);
    pictureCatalogue.usedFlags.SetSize(0);
    pictureCatalogue.allUsed = 0;
}

// The catalogue as a scan leaves it: the paths, one clear flag each.
void FillCatalogue(std::initializer_list<const char*> paths) {
    EmptyCatalogue();
    for (const char* path : paths)
        pictureCatalogue.paths.Add(path);
    pictureCatalogue.usedFlags.SetSize(pictureCatalogue.paths.Size());
}

void FillCatalogue(int32_t count) {
    EmptyCatalogue();
    for (int32_t i = 0; i < count; ++i)
        pictureCatalogue.paths.Add(("C:\\GAMES\\PUZZLE" + std::to_string(i) + ".BMP").c_str());
    pictureCatalogue.usedFlags.SetSize(count);
}

void SetCurrentPicture(const char* path) {
    std::snprintf(gameState.picturePath, sizeof gameState.picturePath, "%s", path);
}

// What a new game does with the catalogue: choose, then make it current.
int32_t NewGamePicture() {
    const int32_t index = ChooseNextPicture();
    SetCurrentPicture(PicturePath(index));
    return index;
}

class Catalogue : public ::testing::Test {
protected:
    void SetUp() override {
        EmptyCatalogue();
        SetCurrentPicture("");
    }
    void TearDown() override {
        EmptyCatalogue();
        SetCurrentPicture("");
    }
};

TEST_F(Catalogue, OnePictureIsEveryGamesWithoutADrawUsedOrNot) {
    FillCatalogue({"C:\\GAMES\\PUZZLE1.BMP"});
    for (uint32_t seed : {1u, 7u, 123456789u}) {
        if (seed == 123456789u) {
            MarkPictureUsed(0);
            EXPECT_EQ(pictureCatalogue.allUsed, 1);
        }
        SeedRandom(seed);
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(NewGamePicture(), 0);
        EXPECT_EQ(DrawRandom(), ReferenceGenerator{seed}.Draw()) << "seed " << seed;
    }
}

TEST_F(Catalogue, AnEmptyCatalogueGivesNoIndexAndDrawsNothing) {
    SeedRandom(3);
    EXPECT_EQ(ChooseNextPicture(), -1);
    EXPECT_EQ(DrawRandom(), ReferenceGenerator{3}.Draw());
    EXPECT_STREQ(PicturePath(0), "");
}

using FirstCycle = Catalogue;

TEST_F(FirstCycle, TakesTheFirstUnusedPictureAtOrAfterOneDraw) {
    for (int32_t k = 2; k <= 7; ++k)
        for (uint32_t seed = 0; seed < 40; ++seed) {
            FillCatalogue(k);
            SeedRandom(seed);
            ReferenceGenerator reference{seed};
            std::set<int32_t> shown;
            for (int32_t game = 0; game < k; ++game) {
                int32_t expected = reference.Draw() % k;
                while (shown.count(expected))
                    expected = (expected + 1) % k;
                ASSERT_EQ(NewGamePicture(), expected) << "k " << k << " seed " << seed;
                shown.insert(expected);
                ASSERT_EQ(pictureCatalogue.allUsed, game == k - 1 ? 1 : 0);
            }
            ASSERT_EQ(DrawRandom(), reference.Draw()) << "one draw per game";
        }
}

TEST_F(FirstCycle, AContinuedGamesPictureCountsAsUsed) {
    for (uint32_t seed = 0; seed < 40; ++seed) {
        FillCatalogue(3);
        MarkPictureUsed(2);
        SetCurrentPicture(PicturePath(2));
        SeedRandom(seed);
        const int32_t first = NewGamePicture();
        const int32_t second = NewGamePicture();
        EXPECT_NE(first, 2);
        EXPECT_NE(second, 2);
        EXPECT_NE(first, second);
        EXPECT_EQ(pictureCatalogue.allUsed, 1);
    }
}

using AfterAllUsed = Catalogue;

TEST_F(AfterAllUsed, NeverRepeatsTheCurrentPictureAndDrawsUntilItDiffers) {
    for (int32_t k = 2; k <= 5; ++k)
        for (uint32_t seed = 0; seed < 20; ++seed) {
            FillCatalogue(k);
            SeedRandom(seed);
            ReferenceGenerator reference{seed};
            for (int32_t game = 0; game < k; ++game) {
                NewGamePicture();
                reference.Draw();
            }
            for (int32_t game = 0; game < 100; ++game) {
                const int32_t current = FindPicture(gameState.picturePath);
                int32_t expected = reference.Draw() % k;
                while (expected == current)
                    expected = reference.Draw() % k;
                ASSERT_EQ(NewGamePicture(), expected) << "k " << k << " seed " << seed;
            }
            ASSERT_EQ(DrawRandom(), reference.Draw());
            ASSERT_EQ(pictureCatalogue.allUsed, 1);
        }
}

TEST_F(AfterAllUsed, AnUnlistedCurrentPictureTakesTheFirstDraw) {
    FillCatalogue(3);
    for (int32_t game = 0; game < 3; ++game)
        NewGamePicture();
    SetCurrentPicture("D:\\ELSEWHERE\\PUZZLE.BMP");
    for (uint32_t seed = 0xBEEFu; seed < 0xBEEFu + 50; ++seed) {
        SeedRandom(seed);
        EXPECT_EQ(ChooseNextPicture(), ReferenceGenerator{seed}.Draw() % 3);
    }
}

// Only a-z and A-Z match across case: bytes above 127 (0xA5/0xB9 and
// 0xC0/0xE0 are letter pairs in code pages 1250 and 1252) and the
// punctuation that differs from a letter by the case bit match exactly.
TEST_F(Catalogue, FindPictureIgnoresTheCaseOfAsciiLettersOnlyAndWholePathsOnly) {
    FillCatalogue({"C:\\GAMES\\PUZZLE1.BMP", "C:\\ZDJ\xA5" "CIA\\@[PUZZLE].BMP", "C:\\\xC0\\PUZZLE.BMP"});
    const struct { const char* path; int32_t index; } cases[] = {
        {"c:\\games\\puzzle1.bmp", 0},
        {"C:\\Games\\Puzzle1.bmp", 0},
        {"C:\\GAMES\\PUZZLE1", -1},
        {"C:\\GAMES\\PUZZLE1.BMPX", -1},
        {"", -1},
        {nullptr, -1},
        {"c:\\zdj\xA5" "cia\\@[puzzle].bmp", 1},
        {"C:\\ZDJ\xB9" "CIA\\@[PUZZLE].BMP", -1},
        {"C:\\ZDJ\xA5" "CIA\\`[PUZZLE].BMP", -1},
        {"C:\\ZDJ\xA5" "CIA\\@{PUZZLE}.BMP", -1},
        {"C:|ZDJ\xA5" "CIA|@[PUZZLE].BMP", -1},
        {"C:\\\xC0\\puzzle.bmp", 2},
        {"C:\\\xE0\\PUZZLE.BMP", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindPicture(c.path), c.index) << (c.path ? c.path : "null");
}

TEST(UpperCaseAsciiLetters, MapsOnlyTheSmallAsciiLetters) {
    char text[] = "c:\\games\\puzzle1.bmp `az{ @AZ[ \xB9\xE0\xFF";
    UpperCaseAscii(text);
    EXPECT_STREQ(text, "C:\\GAMES\\PUZZLE1.BMP `AZ{ @AZ[ \xB9\xE0\xFF");
}

}  // namespace
