// The engine link: the engine's command window is found once by class and
// title, kept in the property list, and sent short text commands.
#include "engine_link.h"
#include "controller_state.h"
#include "docking.h"
#include "outside/pictora.h"
#include "../common/bounded_text.h"
#include <stdio.h>

static const char ENGINE_WINDOW_NAME[16] = "ORVANEHOST";
static const char ENGINE_PROPERTY[] = "WPHANDLE";
static const char PROPERTY_END[] = "|";
static const int PARENT_CONSTANT = 1010;

// The window a discovery is announcing to, while it runs. When the property
// list cannot hold the handle, the docking and the "PARENT," command of that
// discovery reach the window just found instead of searching again (which
// would discover it again, without end).
static HWND DiscoveredEngine;

static void PropertyKey(const char *name, char *key, size_t size)
{
    CopyText(key, size, name);
    AppendText(key, size, PROPERTY_END);
}

static HWND PropertyList()
{
    return GetDlgItem(MainWindow, IDC_PROPERTY_LIST);
}

void SetProperty(const char *name, LONG_PTR value)
{
    char key[TEXT_SIZE];
    PropertyKey(name, key, sizeof key);
    HWND list = PropertyList();
    if (!list)
        list = CreateWindowExA(0, "LISTBOX", NULL, WS_CHILD | LBS_HASSTRINGS, 0, 0, 0, 0, MainWindow,
                               (HMENU)(INT_PTR)IDC_PROPERTY_LIST, zInstance(), NULL);
    if (!list) return;
    LRESULT index = SendMessageA(list, LB_FINDSTRING, (WPARAM)-1, (LPARAM)key);
    if (index < 0) index = SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)key);
    if (index >= 0) SendMessageA(list, LB_SETITEMDATA, (WPARAM)index, value);
}

LONG_PTR GetProperty(const char *name)
{
    HWND list = PropertyList();
    if (!list) return 0;
    char key[TEXT_SIZE];
    PropertyKey(name, key, sizeof key);
    LRESULT index = SendMessageA(list, LB_FINDSTRING, (WPARAM)-1, (LPARAM)key);
    if (index < 0) return 0;
    return SendMessageA(list, LB_GETITEMDATA, (WPARAM)index, 0);
}

HWND FindEngineWindow()
{
    if (DiscoveredEngine) return DiscoveredEngine;
    HWND engine = (HWND)GetProperty(ENGINE_PROPERTY);
    if (engine) return engine;
    engine = FindWindowA(ENGINE_WINDOW_NAME, ENGINE_WINDOW_NAME);
    if (!engine) return 0;
    SetProperty(ENGINE_PROPERTY, (LONG_PTR)engine);
    DiscoveredEngine = engine;
    DockEngineWindow();
    SendParent();
    DiscoveredEngine = 0;
    return engine;
}

LRESULT SendEngineCommand(const char *text)
{
    char buffer[ENGINE_COMMAND_SIZE] = {};
    CopyText(buffer, sizeof buffer, text);
    HWND engine = FindEngineWindow();
    if (!engine) return 0;
    return SendMessageA(engine, WM_SETTEXT, 0, (LPARAM)buffer);
}

// Command word and argument joined in a command-sized buffer.
static void SendWithArgument(const char *word, const char *argument)
{
    char text[ENGINE_COMMAND_SIZE] = {};
    CopyText(text, sizeof text, word);
    AppendText(text, sizeof text, argument);
    SendEngineCommand(text);
}

void FormatParentCommand(HWND main, char *text, size_t size)
{
    // the handle unsigned, each number after one blank
    snprintf(text, size, "PARENT, %lu, %d", (unsigned long)(UINT_PTR)main, PARENT_CONSTANT);
}

void SendParent()
{
    char text[ENGINE_COMMAND_SIZE] = {};
    FormatParentCommand(MainWindow, text, sizeof text);
    SendEngineCommand(text);
}

void SendPlay(const char *path)
{
    SendWithArgument("PLAY,", path);
}
void SendStop()
{
    SendEngineCommand("STOP");
}
void SendPlugin(const char *path)
{
    SendWithArgument("PLUGIN,", path);
}
void SendDestroy()
{
    SendEngineCommand("DESTROY");
}
