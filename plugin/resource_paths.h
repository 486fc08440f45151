// Where the plug-in finds its data: folders of the host program and the
// current directory, as 8-bit ANSI paths.
#pragma once
#include <windows.h>

struct DriveAndFolder {
    char drive[MAX_PATH];  // e.g. "C:"
    char folder[MAX_PATH]; // e.g. "\Work\Sub\"
};

struct FolderAndFile {
    char folder[MAX_PATH]; // ends in a backslash
    char file[MAX_PATH];
};

bool FileExists(const char *path);
// The host program's file; under a host named wdtst.exe, a file of that name
// in the current directory instead.
void HostProgramPath(char *out, size_t size);
// True for a program path ending in \wdtst.exe, in any case.
bool IsTestHostPath(const char *path);
FolderAndFile SplitPath(const char *path);
DriveAndFolder CurrentDriveAndFolder();
// A resource path taken relative to the host folder unless it already holds it.
void ResolveResourcePath(const char *path, char *out, size_t size);
