// The game state record in the real registry: stored and read back byte for
// byte under a key made with every level, and a value of the wrong size or
// type, or none at all, refused with the game left as it was.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/process_state.h"
#include "app/saved_state.h"
#include "support/test_support.h"

namespace {

constexpr char RECORD_KEY[] = "Software\\Ostrevik\\Kelvaris\\Puzzle";
constexpr char RECORD_VALUE[] = "Data";

// Every byte differs from its neighbours, the path has bytes after its NUL.
GameState PatternRecord() {
    GameState record;
    auto* bytes = reinterpret_cast<unsigned char*>(&record);
    for (size_t i = 0; i < sizeof record; ++i)
        bytes[i] = static_cast<unsigned char>(i * 7 + 3);
    std::strcpy(record.picturePath, "C:\\GRY\\PUZZLE1.BMP");
    return record;
}

std::string Bytes(const GameState& record) {
    return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

TEST(SavedRecord, RoundTripsByteForByteUnderAKeyMadeWithEveryLevel) {
    moduleHandle = GetModuleHandleA(nullptr);
    ForgetStoredRecord();
    const GameState record = PatternRecord();
    gameState = record;
    EXPECT_EQ(SaveGameState(), 1);
    HKEY key;
    ASSERT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, RECORD_KEY, &key), ERROR_SUCCESS);
    char stored[600];
    DWORD size = sizeof stored, type = 0;
    EXPECT_EQ(RegQueryValueExA(key, RECORD_VALUE, nullptr, &type, reinterpret_cast<BYTE*>(stored), &size),
              ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(std::string(stored, size), Bytes(record));

    gameState = DEFAULT_GAME_STATE;
    EXPECT_EQ(LoadGameState(), 1);
    EXPECT_EQ(Bytes(gameState), Bytes(record));
    ForgetStoredRecord();
}

TEST(SavedRecord, AValueOfTheWrongSizeOrTypeOrNoneIsRefused) {
    moduleHandle = GetModuleHandleA(nullptr);
    const std::string pattern = Bytes(PatternRecord()) + "tail";
    const struct {
        DWORD type;
        size_t size;
    } values[] = {{REG_BINARY, 475}, {REG_BINARY, 477}, {REG_BINARY, 0},
                  {REG_DWORD, 476},  {REG_SZ, 476},     {REG_NONE, 476}};
    for (const auto& value : values) {
        HKEY key;
        ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, RECORD_KEY, &key), ERROR_SUCCESS);
        RegSetValueExA(key, RECORD_VALUE, 0, value.type, reinterpret_cast<const BYTE*>(pattern.data()),
                       static_cast<DWORD>(value.size));
        RegCloseKey(key);
        gameState = DEFAULT_GAME_STATE;
        const std::string name = std::to_string(value.type) + ", " + std::to_string(value.size) + " bytes";
        EXPECT_EQ(LoadGameState(), 0) << name;
        EXPECT_EQ(Bytes(gameState), Bytes(DEFAULT_GAME_STATE)) << name;
    }
    ForgetStoredRecord();
    EXPECT_EQ(LoadGameState(), 0) << "no key";
    EXPECT_EQ(Bytes(gameState), Bytes(DEFAULT_GAME_STATE));
    HKEY key;
    EXPECT_NE(RegOpenKeyA(HKEY_CURRENT_USER, "Software\\Ostrevik", &key), ERROR_SUCCESS) << "a load made it";
}

}  // namespace
