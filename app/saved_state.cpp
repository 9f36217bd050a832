// Reading and writing the game state record in the registry.
#include "app/saved_state.h"

#include <windows.h>

#include <cstring>

#include "app/process_state.h"
#include "common/resource_ids.h"
#include "game/game_state.h"

namespace {

constexpr int REGISTRY_TEXT_SIZE = 512;
constexpr DWORD RECORD_SIZE = sizeof(GameState);

int32_t ReadRecord(HKEY root, const char* keyPath, const char* valueName) {
    HKEY key;
    if (RegOpenKeyA(root, keyPath, &key) != ERROR_SUCCESS)
        return 0;
    BYTE record[RECORD_SIZE];
    DWORD size = RECORD_SIZE;
    DWORD type = 0;
    const LONG result = RegQueryValueExA(key, valueName, nullptr, &type, record, &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || type != REG_BINARY || size != RECORD_SIZE)
        return 0;
    std::memcpy(&gameState, record, RECORD_SIZE);
    return 1;
}

int32_t WriteRecord(HKEY root, const char* keyPath, const char* valueName) {
    HKEY key;
    if (RegCreateKeyA(root, keyPath, &key) != ERROR_SUCCESS)
        return 0;
    RegSetValueExA(key, valueName, 0, REG_BINARY, reinterpret_cast<const BYTE*>(&gameState), RECORD_SIZE);
    RegCloseKey(key);
    return 1;
}

}  // namespace

int32_t TransferGameState(int32_t direction) {
    char keyPath[REGISTRY_TEXT_SIZE] = {};
    char valueName[REGISTRY_TEXT_SIZE] = {};
    LoadStringA(moduleHandle, IDS_REGISTRY_KEY, keyPath, REGISTRY_TEXT_SIZE);
    LoadStringA(moduleHandle, IDS_REGISTRY_VALUE, valueName, REGISTRY_TEXT_SIZE);
    if (direction == LOAD_STATE)
        return ReadRecord(HKEY_CURRENT_USER, keyPath, valueName);
    return WriteRecord(HKEY_CURRENT_USER, keyPath, valueName);
}
