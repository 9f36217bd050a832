// Reading and writing the game state record, and the score beside it, in the
// registry.
#include "app/saved_state.h"

#include <windows.h>

#include <cstring>

#include "app/process_state.h"
#include "common/resource_ids.h"
#include "game/game_state.h"
#include "game/stored_score.h"

namespace {

constexpr int REGISTRY_TEXT_SIZE = 512;
constexpr DWORD RECORD_SIZE = sizeof(GameState);
constexpr DWORD SCORE_SIZE = sizeof(StoredScore);

struct ValueNames {
    char record[REGISTRY_TEXT_SIZE];
    char score[REGISTRY_TEXT_SIZE];
};

// Only a REG_BINARY value of exactly size bytes is taken.
bool QueryBinary(HKEY key, const char* valueName, void* data, DWORD size) {
    DWORD read = size;
    DWORD type = 0;
    const LONG result = RegQueryValueExA(key, valueName, nullptr, &type, static_cast<BYTE*>(data), &read);
    return result == ERROR_SUCCESS && type == REG_BINARY && read == size;
}

// The score is read after the record and counts it only when it names the
// record just read; whatever it holds, the record is taken on its own checks.
int32_t ReadRecord(HKEY root, const char* keyPath, const ValueNames& names) {
    HKEY key;
    if (RegOpenKeyA(root, keyPath, &key) != ERROR_SUCCESS)
        return 0;
    BYTE record[RECORD_SIZE];
    const bool accepted = QueryBinary(key, names.record, record, RECORD_SIZE);
    StoredScore stored;
    const bool scored = QueryBinary(key, names.score, &stored, SCORE_SIZE);
    RegCloseKey(key);
    if (accepted)
        std::memcpy(&gameState, record, RECORD_SIZE);
    RestoreScore(UnpackScore(scored ? &stored : nullptr, accepted ? &gameState : nullptr));
    return accepted ? 1 : 0;
}

int32_t WriteRecord(HKEY root, const char* keyPath, const ValueNames& names) {
    HKEY key;
    if (RegCreateKeyA(root, keyPath, &key) != ERROR_SUCCESS)
        return 0;
    RegSetValueExA(key, names.record, 0, REG_BINARY, reinterpret_cast<const BYTE*>(&gameState), RECORD_SIZE);
    UpdateClock();
    const StoredScore stored = PackScore(score, gameState);
    RegSetValueExA(key, names.score, 0, REG_BINARY, reinterpret_cast<const BYTE*>(&stored), SCORE_SIZE);
    RegCloseKey(key);
    return 1;
}

}  // namespace

int32_t TransferGameState(int32_t direction) {
    char keyPath[REGISTRY_TEXT_SIZE] = {};
    ValueNames names = {};
    LoadStringA(moduleHandle, IDS_REGISTRY_KEY, keyPath, REGISTRY_TEXT_SIZE);
    LoadStringA(moduleHandle, IDS_REGISTRY_VALUE, names.record, REGISTRY_TEXT_SIZE);
    LoadStringA(moduleHandle, IDS_SCORE_VALUE, names.score, REGISTRY_TEXT_SIZE);
    if (direction == LOAD_STATE)
        return ReadRecord(HKEY_CURRENT_USER, keyPath, names);
    return WriteRecord(HKEY_CURRENT_USER, keyPath, names);
}
