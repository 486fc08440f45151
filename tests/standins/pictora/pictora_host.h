// Loads the built PICTORA.DLL from the staged program folder the way a caller
// does and finds every operation by its plain export name.
#pragma once
#include <windows.h>

#include "controller/outside/pictora.h"

struct PictoraCalls {
    HMODULE module;
    decltype(&zInstance) Instance;
    decltype(&ZI_LoadDialog) LoadDialog;
    decltype(&ZI_GetImageSizeFromFile) GetImageSizeFromFile;
    decltype(&ZI_GetImageSizeFromControl) GetImageSizeFromControl;
    decltype(&ZI_FitBitmapFromFile) FitBitmapFromFile;
    decltype(&ZI_CreateBitmapFromFile) CreateBitmapFromFile;
    decltype(&ZI_GetBitmapSize) GetBitmapSize;
    decltype(&ZI_Iconise) Iconise;
    decltype(&ZD_ColorARGB) ColorARGB;
    decltype(&ZD_DrawBitmapToCtrl) DrawBitmapToCtrl;
    decltype(&ZD_SetObjectScale) SetObjectScale;
    decltype(&ZD_SetObjectAngle) SetObjectAngle;
    decltype(&ZD_SetObjectAnchorMode) SetObjectAnchorMode;
    decltype(&ZD_SetObjectLocked) SetObjectLocked;
    decltype(&ZD_SetObjectVisibility) SetObjectVisibility;
    decltype(&ZD_GetObjectParent) GetObjectParent;
    decltype(&ZI_SetObjectFocusID) SetObjectFocusID;
    decltype(&ZI_GetToolCropStatus) GetToolCropStatus;
    decltype(&ZI_DisableCropRectangle) DisableCropRectangle;
    decltype(&ZI_UpdateWindow) UpdateWindow;
    decltype(&ZI_UseVelvanebackground) UseVelvanebackground;
};

template <typename T> inline int FindPictoraCall(HMODULE m, const char *name, T *out)
{
    *out = (T)(void *)GetProcAddress(m, name);
    return *out != 0;
}

// Fills c; returns 1 when the DLL loaded and all 21 exports were found.
inline int LoadPictora(PictoraCalls *c)
{
    c->module = LoadLibraryA(TEST_STAGE_DIR "/PICTORA.DLL");
    if (!c->module) return 0;
    int found = 0;
    found += FindPictoraCall(c->module, "zInstance", &c->Instance);
    found += FindPictoraCall(c->module, "ZI_LoadDialog", &c->LoadDialog);
    found += FindPictoraCall(c->module, "ZI_GetImageSizeFromFile", &c->GetImageSizeFromFile);
    found += FindPictoraCall(c->module, "ZI_GetImageSizeFromControl", &c->GetImageSizeFromControl);
    found += FindPictoraCall(c->module, "ZI_FitBitmapFromFile", &c->FitBitmapFromFile);
    found += FindPictoraCall(c->module, "ZI_CreateBitmapFromFile", &c->CreateBitmapFromFile);
    found += FindPictoraCall(c->module, "ZI_GetBitmapSize", &c->GetBitmapSize);
    found += FindPictoraCall(c->module, "ZI_Iconise", &c->Iconise);
    found += FindPictoraCall(c->module, "ZD_ColorARGB", &c->ColorARGB);
    found += FindPictoraCall(c->module, "ZD_DrawBitmapToCtrl", &c->DrawBitmapToCtrl);
    found += FindPictoraCall(c->module, "ZD_SetObjectScale", &c->SetObjectScale);
    found += FindPictoraCall(c->module, "ZD_SetObjectAngle", &c->SetObjectAngle);
    found += FindPictoraCall(c->module, "ZD_SetObjectAnchorMode", &c->SetObjectAnchorMode);
    found += FindPictoraCall(c->module, "ZD_SetObjectLocked", &c->SetObjectLocked);
    found += FindPictoraCall(c->module, "ZD_SetObjectVisibility", &c->SetObjectVisibility);
    found += FindPictoraCall(c->module, "ZD_GetObjectParent", &c->GetObjectParent);
    found += FindPictoraCall(c->module, "ZI_SetObjectFocusID", &c->SetObjectFocusID);
    found += FindPictoraCall(c->module, "ZI_GetToolCropStatus", &c->GetToolCropStatus);
    found += FindPictoraCall(c->module, "ZI_DisableCropRectangle", &c->DisableCropRectangle);
    found += FindPictoraCall(c->module, "ZI_UpdateWindow", &c->UpdateWindow);
    found += FindPictoraCall(c->module, "ZI_UseVelvanebackground", &c->UseVelvanebackground);
    return found == 21;
}

// The library stays loaded for the whole test program, as in a caller.
inline PictoraCalls &Pictora()
{
    static PictoraCalls calls;
    static int loaded = LoadPictora(&calls);
    (void)loaded;
    return calls;
}
