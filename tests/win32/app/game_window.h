// The setting shared by the program's in-process tests: a fresh game state,
// a catalogue of real pictures in a temporary directory, an empty registry
// key, a recorded sound seam and a real hidden main window made by the
// program's own code.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "app/process_state.h"
#include "game/game_state.h"
#include "support/temp_directory.h"

// The key the program stores its record under, and the level above it that
// the tests remove so that a save must create every level.
constexpr char STATE_KEY[] = "Software\\Ostrevik\\Kelvaris\\Puzzle";
constexpr char STATE_VALUE[] = "Data";
constexpr char MAKER_KEY[] = "Software\\Ostrevik";

void DeleteRegistryTree(HKEY root, const char* path);
bool RegistryKeyExists(const char* path);
// The raw value "Data": its type and bytes; false when it does not exist.
bool ReadStoredValue(DWORD& type, std::string& bytes);
void WriteStoredValue(DWORD type, const std::string& bytes);
std::string RecordBytes(const GameState& record);
void EmptyCatalogue();
// A pattern picture file of that size.
void WritePicture(const std::string& path, int32_t width, int32_t height);

class GameWindowTest : public ::testing::Test {
public:
    // The ids handed to the sound seam since SetUp, in order.
    static std::vector<int32_t> startedSounds;

protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a pattern picture Puzzle<name>.bmp; the catalogue is not rescanned.
    std::string AddPicture(const std::string& name, int32_t width, int32_t height);
    // A file named like a picture that no loader takes.
    std::string AddUnloadablePicture(const std::string& name);
    // Empties the catalogue and scans the temporary directory.
    void ScanPictureDirectory();
    // Makes path the current picture, as a new game would, and fits the window.
    void UsePicture(const std::string& path);

    void SetBoard(int32_t n, const std::vector<int32_t>& rowByRow);
    std::vector<int32_t> UsedCells() const;

    UINT MenuState(UINT id) const { return GetMenuState(GetMenu(mainWindow), id, MF_BYCOMMAND); }
    bool IsGreyed(UINT id) const { return (MenuState(id) & (MF_GRAYED | MF_DISABLED)) != 0; }
    bool IsChecked(UINT id) const { return (MenuState(id) & MF_CHECKED) != 0; }

    // Width and height of the main window's client area, to compare with Size.
    std::pair<LONG, LONG> ClientSize() const;
    static std::pair<LONG, LONG> Size(LONG width, LONG height) { return {width, height}; }

    // A left-button press and release at client points, through the window.
    void Click(int32_t x, int32_t y) { Click(x, y, x, y); }
    void Click(int32_t pressX, int32_t pressY, int32_t releaseX, int32_t releaseY);
    void Release(int32_t x, int32_t y) { SendMessageA(mainWindow, WM_LBUTTONUP, 0, MAKELPARAM(x, y)); }
    void Command(UINT id) { SendMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(id, 0), 0); }
    // Posts the key to the window and runs the queue as the message loop does,
    // accelerators included.
    void PressKey(UINT virtualKey);
    // WM_COMMAND messages the window has received since SetUp.
    int CommandsReceived() const;

    TempDirectory pictures;
    std::string firstPicture;
    HACCEL accelerators = nullptr;
};
