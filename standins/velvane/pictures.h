// Widget pictures: PNG files decoded with GDI+, started on first need.
#pragma once
#include <windows.h>

// Decodes the picture into a 32-bit bitmap laid over background; 0 when the
// file cannot be read. *width and *height receive its size.
HBITMAP LoadPictureBitmap(const char *path, COLORREF background, int *width, int *height);
