// The executable's resources: every text exactly, in Polish where the player
// reads it, and the keys, the icon and the two sounds language-neutral.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/resource_ids.h"

namespace {

const WORD POLISH = MAKELANGID(LANG_POLISH, SUBLANG_DEFAULT);
const WORD NEUTRAL = MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL);

HMODULE Module() {
    return GetModuleHandleA(nullptr);
}

std::wstring String(UINT id) {
    wchar_t text[256] = {};
    LoadStringW(Module(), id, text, 256);
    return text;
}

std::wstring MenuText(HMENU menu, UINT item, UINT flag) {
    wchar_t text[64] = {};
    GetMenuStringW(menu, item, text, 64, flag);
    return text;
}

bool HasResource(const char* type, UINT id, WORD language) {
    return FindResourceExA(Module(), type, MAKEINTRESOURCEA(id), language) != nullptr;
}

TEST(Resources, TheStringsAreExact) {
    EXPECT_EQ(String(IDS_TITLE), L"Zelvany - Puzzle");
    EXPECT_EQ(String(IDS_REGISTRY_KEY), L"Software\\Ostrevik\\Kelvaris\\Puzzle");
    EXPECT_EQ(String(IDS_REGISTRY_VALUE), L"Data");
    EXPECT_EQ(String(IDS_PICTURE_MASK), L"Puzzle*.bmp");
    EXPECT_EQ(String(IDS_ERROR_CAPTION), L"B\u0142\u0105d");
    EXPECT_EQ(String(IDS_NO_PICTURES), L"Nie mog\u0119 znale\u017a\u0107 \u017cadnej bitmapy puzli");
}

TEST(Resources, TheMenuBarHasItsThreePopUpsAndTheirItemsNoneGreyOrChecked) {
    HMENU bar = LoadMenuA(Module(), MAKEINTRESOURCEA(IDR_MAIN_MENU));
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(GetMenuItemCount(bar), 3);
    EXPECT_EQ(MenuText(bar, 0, MF_BYPOSITION), L"&Gra");
    EXPECT_EQ(MenuText(bar, 1, MF_BYPOSITION), L"&Opcje");
    EXPECT_EQ(MenuText(bar, 2, MF_BYPOSITION), L"&Pomoc");
    // Each pop-up's items in order; 0 is a separator.
    const struct { UINT id; const wchar_t* text; } items[3][8] = {
        {{ID_GAME_NEW, L"&Nowa\tF2"}, {ID_GAME_CLOSE, L"Zam&knij"}},
        {{ID_OPTIONS_SHOW, L"&Poka\u017c\tF3"}, {ID_OPTIONS_PLAY, L"&Graj\tF4"}, {0, L""},
         {ID_OPTIONS_3X3, L"3x3"}, {ID_OPTIONS_4X4, L"4x4"}, {ID_OPTIONS_5X5, L"5x5"}, {0, L""},
         {ID_OPTIONS_SOUND, L"D\u017awi\u0119k"}},
        {{ID_HELP_ABOUT, L"&O programie"}},
    };
    const int counts[3] = {2, 8, 1};
    for (int popup = 0; popup < 3; ++popup) {
        HMENU menu = GetSubMenu(bar, popup);
        ASSERT_EQ(GetMenuItemCount(menu), counts[popup]) << popup;
        for (int i = 0; i < counts[popup]; ++i) {
            const UINT state = GetMenuState(menu, i, MF_BYPOSITION);
            EXPECT_EQ(GetMenuItemID(menu, i), items[popup][i].id) << popup << "/" << i;
            EXPECT_EQ((state & MF_SEPARATOR) != 0, items[popup][i].id == 0) << popup << "/" << i;
            EXPECT_EQ(MenuText(menu, i, MF_BYPOSITION), items[popup][i].text) << popup << "/" << i;
            if (items[popup][i].id != 0) {
                EXPECT_EQ(state & (MF_GRAYED | MF_DISABLED | MF_CHECKED), 0u) << popup << "/" << i;
            }
        }
    }
    DestroyMenu(bar);
}

TEST(Resources, TheAcceleratorsAreF2F3AndF4WithoutModifiers) {
    HACCEL table = LoadAcceleratorsA(Module(), MAKEINTRESOURCEA(IDR_ACCELERATORS));
    ASSERT_NE(table, nullptr);
    ACCEL entries[8];
    ASSERT_EQ(CopyAcceleratorTableA(table, entries, 8), 3);
    const WORD keys[] = {VK_F2, VK_F3, VK_F4};
    const WORD commands[] = {ID_GAME_NEW, ID_OPTIONS_SHOW, ID_OPTIONS_PLAY};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(entries[i].fVirt & 0x7F, FVIRTKEY | FNOINVERT) << i;
        EXPECT_EQ(entries[i].key, keys[i]) << i;
        EXPECT_EQ(entries[i].cmd, commands[i]) << i;
    }
}

TEST(Resources, TextsArePolishAndTheRestIsLanguageNeutral) {
    EXPECT_TRUE(HasResource(MAKEINTRESOURCEA(4), IDR_MAIN_MENU, POLISH));     // RT_MENU
    EXPECT_TRUE(HasResource(MAKEINTRESOURCEA(5), IDD_ABOUT, POLISH));         // RT_DIALOG
    EXPECT_TRUE(HasResource(MAKEINTRESOURCEA(6), 1, POLISH));                 // strings 0-15
    EXPECT_TRUE(HasResource(MAKEINTRESOURCEA(14), IDI_APP, NEUTRAL));         // RT_GROUP_ICON
    EXPECT_TRUE(HasResource(MAKEINTRESOURCEA(9), IDR_ACCELERATORS, NEUTRAL));  // RT_ACCELERATOR
    EXPECT_TRUE(HasResource("WAVE", IDR_WAVE_MOVE, NEUTRAL));
    EXPECT_TRUE(HasResource("WAVE", IDR_WAVE_SOLVED, NEUTRAL));
}

TEST(Resources, TheTwoSoundsAreWaveFiles) {
    for (UINT id : {IDR_WAVE_MOVE, IDR_WAVE_SOLVED}) {
        HRSRC found = FindResourceA(Module(), MAKEINTRESOURCEA(id), "WAVE");
        ASSERT_NE(found, nullptr) << id;
        const char* bytes = static_cast<const char*>(LockResource(LoadResource(Module(), found)));
        ASSERT_GT(SizeofResource(Module(), found), 44u);
        EXPECT_EQ(std::string(bytes, 4), "RIFF");
        EXPECT_EQ(std::string(bytes + 8, 4), "WAVE");
    }
}

TEST(Resources, TheAboutBoxTemplateHasItsTextsAndStyles) {
    // Created through the wide call so that the texts are read back unconverted.
    HWND box = CreateDialogParamW(Module(), MAKEINTRESOURCEW(IDD_ABOUT), nullptr, nullptr, 0);
    ASSERT_NE(box, nullptr);
    wchar_t text[64] = {};
    GetWindowTextW(GetDlgItem(box, IDCLOSE), text, 64);
    EXPECT_STREQ(text, L"Zamknij");
    GetWindowTextW(GetDlgItem(box, IDC_VISIT_LABEL), text, 64);
    EXPECT_STREQ(text, L"Odwied\u017a nasz\u0105 stron\u0119:");
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(GetDlgItem(box, IDCLOSE), GWL_STYLE)), 0x50010001u);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(GetDlgItem(box, IDC_VISIT_LABEL), GWL_STYLE)), 0x50020000u);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(GetDlgItem(box, IDC_LINK), GWL_STYLE)), 0x5001810Bu);
    EXPECT_EQ(GetNextDlgTabItem(box, nullptr, FALSE), GetDlgItem(box, IDCLOSE));
    DestroyWindow(box);
}

}  // namespace
