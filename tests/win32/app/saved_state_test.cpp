// The game state record in the real registry: stored and read back byte for
// byte, the key created with every level, and values of the wrong size or
// type ignored.
#include <windows.h>

#include <cstring>

#include "app/saved_state.h"
#include "game_window.h"

namespace {

// Every byte differs from its neighbours, the path has bytes after its NUL,
// and the boards hold values in all 25 cells.
GameState PatternRecord() {
    GameState record;
    auto* bytes = reinterpret_cast<unsigned char*>(&record);
    for (size_t i = 0; i < sizeof record; ++i)
        bytes[i] = static_cast<unsigned char>(i * 7 + 3);
    std::strcpy(record.picturePath, "C:\\GRY\\PUZZLE1.BMP");
    return record;
}

class SavedState : public GameWindowTest {};

TEST_F(SavedState, TheRecordRoundTripsByteForByteUnderAKeyCreatedWithEveryLevel) {
    ASSERT_FALSE(RegistryKeyExists(MAKER_KEY));
    const GameState record = PatternRecord();
    gameState = record;
    EXPECT_EQ(SaveGameState(), 1);
    EXPECT_TRUE(RegistryKeyExists("Software\\Ostrevik\\Kelvaris"));
    DWORD type = 0;
    std::string stored;
    ASSERT_TRUE(ReadStoredValue(type, stored));
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(stored, RecordBytes(record));

    gameState = DEFAULT_GAME_STATE;
    EXPECT_EQ(LoadGameState(), 1);
    EXPECT_EQ(RecordBytes(gameState), RecordBytes(record));
}

TEST_F(SavedState, WithoutTheKeyOrTheValueLoadingFailsChangingAndCreatingNothing) {
    gameState.gridSize = 5;
    EXPECT_EQ(LoadGameState(), 0);
    EXPECT_EQ(gameState.gridSize, 5);
    EXPECT_FALSE(RegistryKeyExists(MAKER_KEY));

    WriteStoredValue(REG_BINARY, RecordBytes(PatternRecord()));
    HKEY key;
    RegOpenKeyA(HKEY_CURRENT_USER, STATE_KEY, &key);
    RegDeleteValueA(key, STATE_VALUE);
    RegCloseKey(key);
    EXPECT_EQ(LoadGameState(), 0);
    EXPECT_EQ(gameState.gridSize, 5);
}

struct RejectedValue {
    const char* name;
    DWORD type;
    size_t size;
};

class RejectedStoredValue : public SavedState, public ::testing::WithParamInterface<RejectedValue> {};

TEST_P(RejectedStoredValue, IsIgnoredAndOverwrittenWithAProperRecord) {
    const std::string pattern = RecordBytes(PatternRecord()) + std::string(8, '\x55');
    WriteStoredValue(GetParam().type, pattern.substr(0, GetParam().size));
    EXPECT_EQ(LoadGameState(), 0);
    EXPECT_EQ(RecordBytes(gameState), RecordBytes(DEFAULT_GAME_STATE));

    gameState.gridSize = 3;
    EXPECT_EQ(SaveGameState(), 1);
    DWORD type = 0;
    std::string stored;
    ASSERT_TRUE(ReadStoredValue(type, stored));
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(stored, RecordBytes(gameState));
}

INSTANTIATE_TEST_SUITE_P(
    WrongSizeOrType, RejectedStoredValue,
    ::testing::Values(RejectedValue{"OneByteShort", REG_BINARY, 475},
                      RejectedValue{"OneByteLong", REG_BINARY, 477},
                      RejectedValue{"Empty", REG_BINARY, 0}, RejectedValue{"Dword", REG_DWORD, 476},
                      RejectedValue{"None", REG_NONE, 476}, RejectedValue{"Text", REG_SZ, 476}),
    [](const ::testing::TestParamInfo<RejectedValue>& info) { return std::string(info.param.name); });

}  // namespace
