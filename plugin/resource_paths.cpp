// Path rules of the plug-in's resources.
#include "resource_paths.h"
#include "../common/bounded_text.h"
#include <string.h>

static const char TEST_HOST_NAME[] = "\\wdtst.exe";

bool FileExists(const char *path)
{
    if (!path || !path[0]) return false;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path, &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}

DriveAndFolder CurrentDriveAndFolder()
{
    DriveAndFolder r = {};
    char current[MAX_PATH] = {};
    DWORD n = GetCurrentDirectoryA(sizeof current, current);
    if (n == 0 || n >= sizeof current) return r;
    CopyText(r.drive, 3, current);
    CopyText(r.folder, sizeof r.folder, n > 2 ? current + 2 : "");
    size_t len = strlen(r.folder);
    while (len > 0 && r.folder[len - 1] == '\\')
        r.folder[--len] = 0;
    AppendText(r.folder, sizeof r.folder, "\\");
    return r;
}

FolderAndFile SplitPath(const char *path)
{
    FolderAndFile r = {};
    if (!path || !path[0]) return r;
    DriveAndFolder current = CurrentDriveAndFolder();
    CopyText(r.file, sizeof r.file, path);
    const char *slash = strrchr(path, '\\');
    size_t b = slash ? (size_t)(slash - path) + 1 : 0;
    if (b > 0) CopyText(r.folder, b + 1 < sizeof r.folder ? b + 1 : sizeof r.folder, path);
    if (r.folder[0] == 0 || strcmp(r.folder, current.drive) == 0) {
        CopyText(r.folder, sizeof r.folder, current.drive);
        AppendText(r.folder, sizeof r.folder, current.folder);
    }
    if (b > 0)
        CopyText(r.file, sizeof r.file, path + b);
    else {
        // a drive-relative name such as C:picture.png keeps the part after ':'
        const char *colon = strchr(path, ':');
        if (colon) CopyText(r.file, sizeof r.file, colon + 1);
    }
    return r;
}

bool IsTestHostPath(const char *path)
{
    size_t n = path ? strlen(path) : 0;
    size_t tail = sizeof TEST_HOST_NAME - 1;
    return n >= tail && lstrcmpiA(path + n - tail, TEST_HOST_NAME) == 0;
}

void HostProgramPath(char *out, size_t size)
{
    char path[MAX_PATH] = {};
    DWORD n = GetModuleFileNameA(NULL, path, sizeof path);
    if (n > sizeof path - 1) n = sizeof path - 1;
    path[n] = 0;
    if (IsTestHostPath(path)) {
        char current[290] = {};
        GetCurrentDirectoryA(sizeof current, current);
        CopyText(path, sizeof path, current);
        AppendText(path, sizeof path, TEST_HOST_NAME);
    }
    CopyText(out, size, path);
}

void ResolveResourcePath(const char *path, char *out, size_t size)
{
    char given[MAX_PATH] = {};
    CopyText(given, sizeof given, path);
    for (char *p = given; *p; ++p)
        if (*p == '/') *p = '\\';
    char host[MAX_PATH] = {};
    HostProgramPath(host, sizeof host);
    FolderAndFile split = SplitPath(host);
    if (strstr(given, split.folder)) {
        CopyText(out, size, given);
    } else {
        CopyText(out, size, split.folder);
        AppendText(out, size, given);
    }
}
