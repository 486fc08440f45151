// The open-picture dialog. The chosen path comes back as 8-bit text in an
// OLE string (SysAllocStringByteLen) that the caller frees with
// SysFreeString; a cancelled dialog gives an empty string.
#include "library.h"

#include <commdlg.h>

static const char PICTURE_FILTER[] = "Pictures (*.png;*.jpg;*.jpeg;*.bmp;*.gif;*.tif;*.tiff)\0"
                                     "*.png;*.jpg;*.jpeg;*.bmp;*.gif;*.tif;*.tiff\0"
                                     "All files (*.*)\0*.*\0";

extern "C" BSTR WINAPI ZI_LoadDialog(HWND owner)
{
    char path[MAX_PATH] = {};
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner && IsWindow(owner) ? owner : 0;
    ofn.lpstrFilter = PICTURE_FILTER;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = path;
    ofn.nMaxFile = sizeof path;
    ofn.lpstrTitle = "Open picture";
    ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetOpenFileNameA(&ofn)) path[0] = 0;
    return SysAllocStringByteLen(path, (UINT)lstrlenA(path));
}
