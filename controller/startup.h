// The controller's main routine: single instance, window, engine, loop.
#pragma once
#include <windows.h>

int RunController(HINSTANCE instance);
