// Loads the built VELVANE.DLL from the staged program folder the way a caller
// does and finds every operation by its plain export name.
#pragma once
#include <windows.h>

#include "controller/outside/velvane.h"

struct VelvaneCalls {
    HMODULE module;
    decltype(&skInitEngine) InitEngine;
    decltype(&skSkinWindow) SkinWindow;
    decltype(&skSkinChildCtrl) SkinChildCtrl;
    decltype(&skSetAnchorCtrl) SetAnchorCtrl;
    decltype(&skCreateToolTip) CreateToolTip;
    decltype(&skClockCtrl) ClockCtrl;
    decltype(&skButtonImage) ButtonImage;
    decltype(&skKnobGauge) KnobGauge;
    decltype(&skGaugeGetPos) GaugeGetPos;
    decltype(&skGaugeSetPos) GaugeSetPos;
    decltype(&skBorder) Border;
    decltype(&skCreateDW) CreateDW;
    decltype(&skDestroyDW) DestroyDW;
    decltype(&skGetDWMregion) GetDWMregion;
    decltype(&skGetSystemMetrics) GetSystemMetrics;
};

template <typename T> inline void FindCall(HMODULE m, const char *name, T *out)
{
    *out = (T)(void *)GetProcAddress(m, name);
}

// Fills c; returns 1 when the DLL loaded and every export was found.
inline int LoadVelvane(VelvaneCalls *c)
{
    c->module = LoadLibraryA(TEST_STAGE_DIR "/VELVANE.DLL");
    if (!c->module) return 0;
    FindCall(c->module, "skInitEngine", &c->InitEngine);
    FindCall(c->module, "skSkinWindow", &c->SkinWindow);
    FindCall(c->module, "skSkinChildCtrl", &c->SkinChildCtrl);
    FindCall(c->module, "skSetAnchorCtrl", &c->SetAnchorCtrl);
    FindCall(c->module, "skCreateToolTip", &c->CreateToolTip);
    FindCall(c->module, "skClockCtrl", &c->ClockCtrl);
    FindCall(c->module, "skButtonImage", &c->ButtonImage);
    FindCall(c->module, "skKnobGauge", &c->KnobGauge);
    FindCall(c->module, "skGaugeGetPos", &c->GaugeGetPos);
    FindCall(c->module, "skGaugeSetPos", &c->GaugeSetPos);
    FindCall(c->module, "skBorder", &c->Border);
    FindCall(c->module, "skCreateDW", &c->CreateDW);
    FindCall(c->module, "skDestroyDW", &c->DestroyDW);
    FindCall(c->module, "skGetDWMregion", &c->GetDWMregion);
    FindCall(c->module, "skGetSystemMetrics", &c->GetSystemMetrics);
    return c->InitEngine && c->SkinWindow && c->SkinChildCtrl && c->SetAnchorCtrl && c->CreateToolTip &&
           c->ClockCtrl && c->ButtonImage && c->KnobGauge && c->GaugeGetPos && c->GaugeSetPos && c->Border &&
           c->CreateDW && c->DestroyDW && c->GetDWMregion && c->GetSystemMetrics;
}
