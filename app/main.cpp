// Tarnwick定时关机工具: picks a delay and an action, hides to the notification area, and
// powers the machine off or suspends it when the delay has passed.
#include <windows.h>

#include "app/frame.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return tw::app::TheFrame().Run(); }
