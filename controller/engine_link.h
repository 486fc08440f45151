// The link to the engine: its command window, found once and kept in the
// property list, and the five text commands written with WM_SETTEXT.
#pragma once
#include <windows.h>

const int ENGINE_COMMAND_SIZE = 512; // command buffer, at most 511 characters

void SetProperty(const char *name, LONG_PTR value);
LONG_PTR GetProperty(const char *name);
HWND FindEngineWindow();
LRESULT SendEngineCommand(const char *text);
// "PARENT," with the main window handle written unsigned, and the constant.
void FormatParentCommand(HWND main, char *text, size_t size);
void SendParent();
void SendPlay(const char *path);
void SendStop();
void SendPlugin(const char *path);
void SendDestroy();
