// Start-up, the message loop and shutdown of the program.
#pragma once

#include <windows.h>

#include <cstdint>

// The program's main routine; the result is the exit code, 0 on every path.
int RunApplication(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLine, int showCommand);

// Stores the module handle, defers to a running instance (1 is returned only
// when none runs) and creates the hidden main window; 0 stops the start-up.
int StartInstance(HINSTANCE instance, int showCommand);

// Continues the stored game when its record is sound and its picture loads,
// otherwise starts a new game. 0 when no picture at all could be loaded.
int32_t ContinueOrStartGame();

// With pictures on the command line, the first that loads is a new game on
// the stored sound switch and grid size; 0 when none does (or none was given).
int32_t StartGivenGame();

// The loop's handling of one message: the accelerators first, then the usual
// translation and dispatch.
void HandleLoopMessage(MSG& message, HACCEL accelerators);
