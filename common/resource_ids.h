// Numbers of the executable's resources, shared by the resource script in
// app/ and the code of any layer that reads a resource (the catalogue reads
// its picture mask). A leaf: it includes nothing. Plain #defines, since the
// resource compiler reads this file too.
#pragma once

#define IDS_TITLE 1
#define IDS_REGISTRY_KEY 2
#define IDS_REGISTRY_VALUE 3
#define IDS_PICTURE_MASK 4
#define IDS_ERROR_CAPTION 5
#define IDS_NO_PICTURES 6
// The score: the value stored beside the game, the caption's words.
#define IDS_SCORE_VALUE 210
#define IDS_MOVES_ONE 211
#define IDS_MOVES_FEW 212
#define IDS_MOVES_MANY 213
#define IDS_CAPTION_RECORD 214
#define IDS_CAPTION_SOLVED 215
#define IDS_CAPTION_NEW_RECORD 216

#define IDI_APP 101
#define IDR_MAIN_MENU 106
#define IDR_ACCELERATORS 107
#define IDR_WAVE_MOVE 109
#define IDR_WAVE_SOLVED 110
#define IDD_ABOUT 2003

#define IDC_VISIT_LABEL 1005
#define IDC_LINK 1006

#define ID_GAME_NEW 40001
#define ID_GAME_CLOSE 40002
#define ID_HELP_ABOUT 40003
#define ID_OPTIONS_SHOW 40005
#define ID_OPTIONS_PLAY 40006
#define ID_OPTIONS_SOUND 40007
#define ID_OPTIONS_3X3 40008
#define ID_OPTIONS_4X4 40009
#define ID_OPTIONS_5X5 40010
