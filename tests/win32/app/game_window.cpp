// The shared setting of the in-process tests: state resets, pictures, the
// registry key, the sound seam and the hidden main window.
#include "game_window.h"

#include <cstring>

#include "app/application.h"
#include "app/main_window.h"
#include "app/process_state.h"
#include "app/resource_ids.h"
#include "app/sound.h"
#include "game/moves.h"
#include "support/bitmap_files.h"

std::vector<int32_t> GameWindowTest::startedSounds;

namespace {

constexpr int32_t FIRST_PICTURE_SIZE = 400;

int commandsReceived = 0;

void RecordSound(int32_t soundId) {
    GameWindowTest::startedSounds.push_back(soundId);
}

LRESULT CALLBACK CountingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND)
        ++commandsReceived;
    return MainWindowProc(window, message, wParam, lParam);
}

// A destroyed main window posts the quit message; it must not end a later
// test's modal loop.
void DiscardQuitMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

}  // namespace

void DeleteRegistryTree(HKEY root, const char* path) {
    HKEY key;
    if (RegOpenKeyExA(root, path, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return;
    char child[256];
    DWORD length = sizeof child;
    while (RegEnumKeyExA(key, 0, child, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
        DeleteRegistryTree(key, child);
        length = sizeof child;
    }
    RegCloseKey(key);
    RegDeleteKeyA(root, path);
}

bool RegistryKeyExists(const char* path) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

bool ReadStoredValue(DWORD& type, std::string& bytes) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, STATE_KEY, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    char buffer[2048];
    DWORD size = sizeof buffer;
    const LONG result =
        RegQueryValueExA(key, STATE_VALUE, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS)
        return false;
    bytes.assign(buffer, size);
    return true;
}

void WriteStoredValue(DWORD type, const std::string& bytes) {
    HKEY key;
    const LONG created =
        RegCreateKeyExA(HKEY_CURRENT_USER, STATE_KEY, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    ASSERT_EQ(created, ERROR_SUCCESS);
    RegSetValueExA(key, STATE_VALUE, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                   static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
}

std::string RecordBytes(const GameState& record) {
    return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

void EmptyCatalogue() {
    pictureCatalogue.paths.SetSize(0);
    pictureCatalogue.usedFlags.SetSize(0);
    pictureCatalogue.allUsed = 0;
}

void GameWindowTest::SetUp() {
    moduleHandle = GetModuleHandleA(nullptr);
    RegisterMainClass(moduleHandle);  // again after a start-up test unregistered it
    gameState = DEFAULT_GAME_STATE;
    pressCol = 0;
    pressRow = 0;
    startedSounds.clear();
    SetSoundStarter(RecordSound);
    DeleteRegistryTree(HKEY_CURRENT_USER, MAKER_KEY);

    firstPicture = AddPicture("1", FIRST_PICTURE_SIZE, FIRST_PICTURE_SIZE);
    ScanPictureDirectory();
    sourcePicture.Release();
    canvasPicture.Load(moduleHandle, firstPicture.c_str());
    mainWindow = CreateMainWindow();
    ASSERT_NE(mainWindow, nullptr);
    SetWindowLongPtrA(mainWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingWindowProc));
    commandsReceived = 0;
    accelerators = LoadAcceleratorsA(moduleHandle, MAKEINTRESOURCEA(IDR_ACCELERATORS));
    ASSERT_NE(accelerators, nullptr);
}

void GameWindowTest::TearDown() {
    if (mainWindow)
        DestroyWindow(mainWindow);
    mainWindow = nullptr;
    DiscardQuitMessages();
    sourcePicture.Release();
    canvasPicture.Release();
    EmptyCatalogue();
    SetSoundStarter(nullptr);
    gameState = DEFAULT_GAME_STATE;
    DeleteRegistryTree(HKEY_CURRENT_USER, MAKER_KEY);
}

void WritePicture(const std::string& path, int32_t width, int32_t height) {
    EXPECT_TRUE(WriteBitmapFile(path, BitmapLayout{width, height, 24, PatternPixel})) << path;
}

std::string GameWindowTest::AddPicture(const std::string& name, int32_t width, int32_t height) {
    const std::string path = pictures.File("Puzzle" + name + ".bmp");
    WritePicture(path, width, height);
    return path;
}

std::string GameWindowTest::AddUnloadablePicture(const std::string& name) {
    const std::string path = pictures.File("Puzzle" + name + ".bmp");
    EXPECT_TRUE(WriteTextFile(path)) << path;
    return path;
}

void GameWindowTest::ScanPictureDirectory() {
    EmptyCatalogue();
    ScanPicturesBeside(pictures.File("Puzzle.exe").c_str());
}

void GameWindowTest::UsePicture(const std::string& path) {
    std::strcpy(gameState.picturePath, path.c_str());
    ASSERT_EQ(sourcePicture.Load(moduleHandle, path.c_str()), 1) << path;
    canvasPicture.Load(moduleHandle, path.c_str());
    FitWindowToPicture();
}

void GameWindowTest::SetBoard(int32_t n, const std::vector<int32_t>& rowByRow) {
    gameState.gridSize = n;
    for (int32_t i = 0; i < n * n; ++i)
        CellAt(gameState.board, i / n, i % n) = rowByRow[i];
}

std::vector<int32_t> GameWindowTest::UsedCells() const {
    const int32_t n = gameState.gridSize;
    std::vector<int32_t> cells;
    for (int32_t i = 0; i < n * n; ++i)
        cells.push_back(CellAt(gameState.board, i / n, i % n));
    return cells;
}

std::pair<LONG, LONG> GameWindowTest::ClientSize() const {
    RECT client;
    GetClientRect(mainWindow, &client);
    return {client.right, client.bottom};
}

void GameWindowTest::Click(int32_t pressX, int32_t pressY, int32_t releaseX, int32_t releaseY) {
    SendMessageA(mainWindow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pressX, pressY));
    Release(releaseX, releaseY);
}

void GameWindowTest::PressKey(UINT virtualKey) {
    const LPARAM repeatAndScan = 1 | (MapVirtualKeyA(virtualKey, 0) << 16);
    PostMessageA(mainWindow, WM_KEYDOWN, virtualKey, repeatAndScan);
    PostMessageA(mainWindow, WM_KEYUP, virtualKey, repeatAndScan | 0xC0000000);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        if (message.message != WM_QUIT)
            HandleLoopMessage(message, accelerators);
}

int GameWindowTest::CommandsReceived() const {
    return commandsReceived;
}
