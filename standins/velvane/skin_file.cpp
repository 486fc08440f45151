// Loading the skin file: skInitEngine and skGetSystemMetrics.
//
// A skin file is 8-bit text, at most 16 KB. Blank lines and lines starting
// with '#' or ';' are ignored. The first other line must be exactly
// "[velvane-skin 1]". Every further line is "key = value":
//   inset.left, inset.top, inset.right, inset.bottom   0..200 pixels (required)
//   color.frame, color.caption, color.captionText, color.edge, color.button,
//   color.buttonHot, color.control, color.controlText   #RRGGBB
//   font.caption   a face name (at most 31 characters), font.size 6..72
// A line without '=', a bad number or colour, or a missing inset makes the
// file invalid; unknown keys are skipped so later skins can add values.
#include <string.h>

#include "common/bounded_text.h"
#include "skin.h"
#include "velvane_exports.h"

SkinValues Skin;

const int SKIN_FILE_MAX = 16384;
const int SKIN_INSET_MAX = 200;
const char SKIN_HEADER[] = "[velvane-skin 1]";

struct ColorKey {
    const char *key;
    size_t offset;
};

static const ColorKey ColorKeys[] = {
    {"color.frame", offsetof(SkinValues, frameColor)},
    {"color.caption", offsetof(SkinValues, captionColor)},
    {"color.captiontext", offsetof(SkinValues, captionTextColor)},
    {"color.edge", offsetof(SkinValues, edgeColor)},
    {"color.button", offsetof(SkinValues, buttonColor)},
    {"color.buttonhot", offsetof(SkinValues, buttonHotColor)},
    {"color.control", offsetof(SkinValues, controlColor)},
    {"color.controltext", offsetof(SkinValues, controlTextColor)},
};

static const char *InsetKeys[4] = {"inset.left", "inset.top", "inset.right", "inset.bottom"};

static void SetDefaults(SkinValues *s)
{
    memset(s, 0, sizeof *s);
    s->frameColor = RGB(0x1E, 0x26, 0x30);
    s->captionColor = RGB(0x27, 0x3A, 0x4E);
    s->captionTextColor = RGB(0xE8, 0xF0, 0xF8);
    s->edgeColor = RGB(0x5F, 0xA8, 0xD3);
    s->buttonColor = RGB(0x34, 0x4C, 0x64);
    s->buttonHotColor = RGB(0x5F, 0xA8, 0xD3);
    s->controlColor = RGB(0x1E, 0x26, 0x30);
    s->controlTextColor = RGB(0xE8, 0xF0, 0xF8);
    CopyText(s->fontName, sizeof s->fontName, "Tahoma");
    s->fontSize = 14;
    for (int i = 0; i < 4; ++i)
        s->insets[i] = -1;
}

static char *Trim(char *t)
{
    while (*t == ' ' || *t == '\t')
        ++t;
    size_t n = strlen(t);
    while (n && (t[n - 1] == ' ' || t[n - 1] == '\t' || t[n - 1] == '\r'))
        t[--n] = 0;
    return t;
}

// A decimal number within lo..hi into *out; 0 when the text is not one.
static int ParseNumber(const char *t, int lo, int hi, int *out)
{
    if (!*t) return 0;
    int v = 0;
    for (; *t; ++t) {
        if (*t < '0' || *t > '9' || v > 100000) return 0;
        v = v * 10 + (*t - '0');
    }
    if (v < lo || v > hi) return 0;
    *out = v;
    return 1;
}

static int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

static int ParseColor(const char *t, COLORREF *out)
{
    if (t[0] != '#' || strlen(t) != 7) return 0;
    int v[6];
    for (int i = 0; i < 6; ++i)
        if ((v[i] = HexDigit(t[i + 1])) < 0) return 0;
    *out = RGB(v[0] * 16 + v[1], v[2] * 16 + v[3], v[4] * 16 + v[5]);
    return 1;
}

// One "key = value" line; 0 when it is malformed.
static int ParseLine(SkinValues *s, char *line)
{
    char *eq = strchr(line, '=');
    if (!eq) return 0;
    *eq = 0;
    char *key = Trim(line);
    char *value = Trim(eq + 1);
    for (int i = 0; i < 4; ++i)
        if (lstrcmpiA(key, InsetKeys[i]) == 0) return ParseNumber(value, 0, SKIN_INSET_MAX, &s->insets[i]);
    for (const ColorKey &c : ColorKeys)
        if (lstrcmpiA(key, c.key) == 0) return ParseColor(value, (COLORREF *)((char *)s + c.offset));
    if (lstrcmpiA(key, "font.caption") == 0) {
        if (!*value || strlen(value) >= sizeof s->fontName) return 0;
        CopyText(s->fontName, sizeof s->fontName, value);
        return 1;
    }
    if (lstrcmpiA(key, "font.size") == 0) return ParseNumber(value, 6, 72, &s->fontSize);
    return 1;
}

// Parses the whole text (NUL-terminated, changed in place) into *s.
static int ParseSkin(SkinValues *s, char *text)
{
    SetDefaults(s);
    int header = 0;
    char *line = text;
    while (line) {
        char *next = strchr(line, '\n');
        if (next) *next++ = 0;
        char *t = Trim(line);
        line = next;
        if (!*t || *t == '#' || *t == ';') continue;
        if (!header) {
            if (strcmp(t, SKIN_HEADER) != 0) return 0;
            header = 1;
            continue;
        }
        if (!ParseLine(s, t)) return 0;
    }
    if (!header) return 0;
    for (int i = 0; i < 4; ++i)
        if (s->insets[i] < 0) return 0;
    s->loaded = 1;
    return 1;
}

// Reads the file into buffer (cap bytes, NUL-terminated); 0 when it cannot be
// read or is larger than the skin limit.
static int ReadSkinFile(const char *path, char *buffer, int cap)
{
    HANDLE f = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, 0, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, 0);
    if (f == INVALID_HANDLE_VALUE) return 0;
    DWORD size = GetFileSize(f, 0);
    DWORD got = 0;
    int ok =
        size != INVALID_FILE_SIZE && size < (DWORD)cap && ReadFile(f, buffer, size, &got, 0) && got == size;
    CloseHandle(f);
    if (!ok) return 0;
    buffer[got] = 0;
    return memchr(buffer, 0, got) == 0; // a NUL inside means it is no text file
}

static int IsFile(const char *path)
{
    DWORD a = GetFileAttributesA(path);
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

// The skin file by its bare name: the current folder first, then the folder
// of the program (the process's main module). A name with a folder in it is
// taken as it is.
static int FindSkinFile(const char *name, char *path, int cap)
{
    if (strpbrk(name, "\\/:")) {
        CopyText(path, cap, name);
        return IsFile(path);
    }
    char folder[MAX_PATH] = {0};
    DWORD n = GetCurrentDirectoryA(sizeof folder, folder);
    if (n && n < sizeof folder) {
        CopyText(path, cap, folder);
        if (folder[n - 1] != '\\') AppendText(path, cap, "\\");
        AppendText(path, cap, name);
        if (IsFile(path)) return 1;
    }
    char module[MAX_PATH] = {0};
    n = GetModuleFileNameA(0, module, sizeof module);
    if (!n || n >= sizeof module) return 0;
    char *slash = strrchr(module, '\\');
    if (!slash) return 0;
    slash[1] = 0;
    CopyText(path, cap, module);
    AppendText(path, cap, name);
    return IsFile(path);
}

extern "C" {
int WINAPI skInitEngine(const char *skinFile, const char *text)
{
    (void)text; // the controller always passes none
    if (!skinFile || !*skinFile) return 0;
    char path[MAX_PATH];
    if (!FindSkinFile(skinFile, path, sizeof path)) return 0;
    static char buffer[SKIN_FILE_MAX + 1];
    if (!ReadSkinFile(path, buffer, sizeof buffer)) return 0;
    SkinValues parsed;
    if (!ParseSkin(&parsed, buffer)) return 0;
    Skin = parsed;
    return 1;
}

int WINAPI skGetSystemMetrics(int index)
{
    if (index >= SK_INSET_LEFT && index <= SK_INSET_BOTTOM)
        return Skin.loaded ? Skin.insets[index - SK_INSET_LEFT] : 0;
    return GetSystemMetrics(index);
}
}

HINSTANCE SkinModule()
{
    HMODULE m = 0;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       (LPCSTR)&SkinModule, &m);
    return m;
}
