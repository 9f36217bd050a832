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

TEST(Resources, TheMenuBarHasItsThreePopUpsAndTheirItems) {
    HMENU bar = LoadMenuA(Module(), MAKEINTRESOURCEA(IDR_MAIN_MENU));
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(GetMenuItemCount(bar), 3);
    EXPECT_EQ(MenuText(bar, 0, MF_BYPOSITION), L"&Gra");
    EXPECT_EQ(MenuText(bar, 1, MF_BYPOSITION), L"&Opcje");
    EXPECT_EQ(MenuText(bar, 2, MF_BYPOSITION), L"&Pomoc");

    HMENU game = GetSubMenu(bar, 0);
    EXPECT_EQ(GetMenuItemCount(game), 2);
    EXPECT_EQ(GetMenuItemID(game, 0), static_cast<UINT>(ID_GAME_NEW));
    EXPECT_EQ(GetMenuItemID(game, 1), static_cast<UINT>(ID_GAME_CLOSE));
    EXPECT_EQ(MenuText(bar, ID_GAME_NEW, MF_BYCOMMAND), L"&Nowa\tF2");
    EXPECT_EQ(MenuText(bar, ID_GAME_CLOSE, MF_BYCOMMAND), L"Zam&knij");

    HMENU options = GetSubMenu(bar, 1);
    const UINT order[] = {ID_OPTIONS_SHOW, ID_OPTIONS_PLAY, 0, ID_OPTIONS_3X3, ID_OPTIONS_4X4, ID_OPTIONS_5X5,
                          0, ID_OPTIONS_SOUND};
    ASSERT_EQ(GetMenuItemCount(options), 8);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(GetMenuItemID(options, i), order[i]) << i;
        const UINT state = GetMenuState(options, i, MF_BYPOSITION);
        EXPECT_EQ((state & MF_SEPARATOR) != 0, order[i] == 0) << i;
        if (order[i] != 0) {  // no item starts grey or checked
            EXPECT_EQ(state & (MF_GRAYED | MF_DISABLED | MF_CHECKED), 0u) << i;
        }
    }
    EXPECT_EQ(MenuText(bar, ID_OPTIONS_SHOW, MF_BYCOMMAND), L"&Poka\u017c\tF3");
    EXPECT_EQ(MenuText(bar, ID_OPTIONS_PLAY, MF_BYCOMMAND), L"&Graj\tF4");
    EXPECT_EQ(MenuText(bar, ID_OPTIONS_3X3, MF_BYCOMMAND), L"3x3");
    EXPECT_EQ(MenuText(bar, ID_OPTIONS_4X4, MF_BYCOMMAND), L"4x4");
    EXPECT_EQ(MenuText(bar, ID_OPTIONS_5X5, MF_BYCOMMAND), L"5x5");
    EXPECT_EQ(MenuText(bar, ID_OPTIONS_SOUND, MF_BYCOMMAND), L"D\u017awi\u0119k");

    HMENU help = GetSubMenu(bar, 2);
    EXPECT_EQ(GetMenuItemCount(help), 1);
    EXPECT_EQ(MenuText(bar, ID_HELP_ABOUT, MF_BYCOMMAND), L"&O programie");
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
