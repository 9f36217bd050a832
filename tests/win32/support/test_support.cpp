// The helpers shared by the Win32 tests.
#include "support/test_support.h"

#include <shellapi.h>

#include <algorithm>
#include <cstdio>

#include "app/application.h"
#include "app/main_window.h"
#include "app/process_state.h"
#include "tools/bitmaps/picture_section.h"

TempDirectory::TempDirectory() {
    static unsigned counter = 0;
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    char name[MAX_PATH];
    std::snprintf(name, sizeof name, "%spuzzle-test-%lu-%u\\", base, GetCurrentProcessId(), ++counter);
    path = name;
    CreateDirectoryA(path.c_str(), nullptr);
}

TempDirectory::~TempDirectory() {
    std::string tree = path.substr(0, path.size() - 1) + '\0';  // the list's second NUL ends it
    SHFILEOPSTRUCTA removal = {};
    removal.wFunc = FO_DELETE;
    removal.pFrom = tree.c_str();
    removal.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    SHFileOperationA(&removal);
}

MainWindowScope::MainWindowScope() {
    RegisterMainClass(GetModuleHandleA(nullptr));  // again after a start-up unregistered it
    started = StartInstance(GetModuleHandleA(nullptr), SW_SHOWNORMAL);
}

MainWindowScope::~MainWindowScope() {
    if (started && mainWindow)
        DestroyWindow(mainWindow);
    mainWindow = nullptr;
    MSG quit;
    while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

RECT WindowRect() {
    RECT window;
    GetWindowRect(mainWindow, &window);
    return window;
}

SIZE ClientSize() {
    RECT client;
    GetClientRect(mainWindow, &client);
    return {client.right, client.bottom};
}

void EmptyCatalogue() {
    pictureCatalogue.paths.SetSize(0);
    pictureCatalogue.usedFlags.SetSize(0);
    pictureCatalogue.allUsed = 0;
}

void ForgetStoredRecord() {
    for (const char* key :
         {"Software\\Ostrevik\\Kelvaris\\Puzzle", "Software\\Ostrevik\\Kelvaris", "Software\\Ostrevik"})
        RegDeleteKeyA(HKEY_CURRENT_USER, key);
}

DrawingTarget::DrawingTarget(const BitmapLayout& layout)
    : bitmap(PictureSection(layout)), dc(CreateCompatibleDC(nullptr)), previous(SelectObject(dc, bitmap)) {}

DrawingTarget::~DrawingTarget() {
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(bitmap);
}

std::vector<Colour> DrawingTarget::Pixels() const {
    return BitmapPixels(bitmap);
}

Colour BevelledPixel(Colour picture, int32_t x, int32_t y, int32_t width, int32_t height) {
    const int32_t step = x == width - 1 || y == height - 1 ? -20 : x == 0 || y == 0 ? 20 : 0;
    const auto channel = [step](uint32_t value) {
        return static_cast<uint32_t>(std::clamp(static_cast<int32_t>(value) + step, 0, 255));
    };
    return MakeColour(channel(RedOf(picture)), channel(GreenOf(picture)), channel(BlueOf(picture)));
}

std::string FirstDifference(const std::vector<Colour>& actual, const std::vector<Colour>& expected, int32_t width) {
    if (actual.size() != expected.size())
        return "sizes " + std::to_string(actual.size()) + " and " + std::to_string(expected.size());
    const size_t at = std::mismatch(actual.begin(), actual.end(), expected.begin()).first - actual.begin();
    if (at == actual.size())
        return "";
    char text[64];
    std::snprintf(text, sizeof text, "at %d,%d: %06X instead of %06X", static_cast<int>(at % width),
                  static_cast<int>(at / width), actual[at], expected[at]);
    return text;
}

int FreeGdiHandles() {
    std::vector<HPEN> pens;
    pens.reserve(70000);
    for (HPEN pen; (pen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3))) != nullptr;)
        pens.push_back(pen);
    for (HPEN pen : pens)
        DeleteObject(pen);
    return static_cast<int>(pens.size());
}
