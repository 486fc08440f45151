// The controller's commands, each a WM_SETTEXT text at the engine window.
#include "engine_state.h"
#include "common/bounded_text.h"
#include <string.h>

static const char COMMAND_PARENT[] = "PARENT,";
static const char COMMAND_PLAY[] = "PLAY,";
static const char COMMAND_STOP[] = "STOP";
static const char COMMAND_PLUGIN[] = "PLUGIN,";
static const char COMMAND_DESTROY[] = "DESTROY";

// The word must match exactly (case and all); returns the text after it.
static const char *AfterWord(const char *text, const char *word)
{
    size_t n = strlen(word);
    return strncmp(text, word, n) == 0 ? text + n : 0;
}

// " <digits>" then optionally ", 1010": an unsigned 32-bit decimal handle.
// Returns 0 for no digits, a value past 32 bits, or junk after the number.
int ParseParentHandle(const char *args, uint32_t *handle)
{
    const char *p = args;
    while (*p == ' ')
        ++p;
    uint64_t value = 0;
    int digits = 0;
    for (; *p >= '0' && *p <= '9'; ++p, ++digits) {
        value = value * 10 + (uint64_t)(*p - '0');
        if (value > 0xFFFFFFFFull) return 0;
    }
    while (*p == ' ')
        ++p;
    if (digits == 0 || (*p != 0 && *p != ',') || value == 0) return 0;
    *handle = (uint32_t)value;
    return 1;
}

void RunCommand(const char *text)
{
    // bounded copy: a text of any length is cut at the command size
    char command[ENGINE_COMMAND_SIZE];
    CopyText(command, sizeof command, text);
    const char *args;
    uint32_t handle = 0;
    if ((args = AfterWord(command, COMMAND_PARENT)) != 0) {
        if (ParseParentHandle(args, &handle)) Engine.controller = (HWND)(UINT_PTR)handle;
    } else if ((args = AfterWord(command, COMMAND_PLAY)) != 0) {
        StartMusic(args);
    } else if (strcmp(command, COMMAND_STOP) == 0) {
        StopMusic();
    } else if ((args = AfterWord(command, COMMAND_PLUGIN)) != 0) {
        SwitchPlugin(args);
    } else if (strcmp(command, COMMAND_DESTROY) == 0) {
        DestroyWindow(Engine.window);
    }
}
