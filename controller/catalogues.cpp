// The music and plug-in lists, filled once from the folders beside the program.
#include "catalogues.h"
#include "controller_state.h"
#include "../common/bounded_text.h"
#include <string.h>

static const char AUDIO_PATTERN[] = "*.*";
static const char AUDIO_EXTENSIONS[] = ".xm.mod.it.s3m.mo3.mp3.ogg.";
static const char PLUGIN_PATTERN[] = "*.dll";
static const char PLUGIN_EXTENSIONS[] = ".dll.";

int IsListableAttributes(DWORD attributes)
{
    // only plain files: read-only, archive and normal; bits above the low
    // eight (compressed, not indexed, encrypted ...) do not matter
    switch (attributes & 0xFF) {
    case 0x00:
    case FILE_ATTRIBUTE_READONLY:
    case FILE_ATTRIBUTE_ARCHIVE:
    case FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY:
    case FILE_ATTRIBUTE_NORMAL: return 1;
    default: return 0;
    }
}

// True when the name's whole extension stands in the dot-separated list.
static bool HasListedExtension(const char *name, const char *extensions)
{
    const char *dot = strrchr(name, '.');
    if (!dot) return false;
    char ext[TEXT_SIZE] = {};
    CopyText(ext, sizeof ext, dot);
    AppendText(ext, sizeof ext, ".");
    CharLowerA(ext);
    return strstr(extensions, ext) != NULL;
}

void SelectListItem(HWND list, int index)
{
    if (!list) return;
    SendMessageA(list, CB_SETCURSEL, (WPARAM)(index > 0 ? index - 1 : index), 0);
}

static void FillList(HWND list, int select, const char *folder, const char *pattern, const char *extensions)
{
    if (!list) return;
    SendMessageA(list, CB_RESETCONTENT, 0, 0);
    char search[TEXT_SIZE];
    CopyText(search, sizeof search, folder);
    AppendText(search, sizeof search, pattern);
    int count = 0;
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA(search, &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if (entry.cFileName[0] == '.') continue;
            if (!IsListableAttributes(entry.dwFileAttributes)) continue;
            // the pattern also matches short 8.3 names (x.dllx for *.dll)
            if (!HasListedExtension(entry.cFileName, extensions)) continue;
            if (SendMessageA(list, CB_ADDSTRING, 0, (LPARAM)entry.cFileName) >= 0) ++count;
        } while (FindNextFileA(find, &entry));
        FindClose(find);
    }
    if (count == 0) return;
    if (count < select) select = 1;
    SelectListItem(list, select);
}

void FillAudioList(HWND list, int select)
{
    FillList(list, select, AudioFolder, AUDIO_PATTERN, AUDIO_EXTENSIONS);
}

void FillPluginList(HWND list, int select)
{
    FillList(list, select, PluginFolder, PLUGIN_PATTERN, PLUGIN_EXTENSIONS);
}
