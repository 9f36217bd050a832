// The process entry of the game.
#include <windows.h>

#include "app/application.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLine, int showCommand) {
    return RunApplication(instance, previousInstance, commandLine, showCommand);
}
