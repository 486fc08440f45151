// The stand-in VELVANE.DLL implements the controller's declarations. Every
// operation is real; none is left inert:
//   skInitEngine, skGetSystemMetrics   skin_file.cpp (the skin file format)
//   skSkinWindow                       frame.cpp
//   skSetAnchorCtrl                    anchors.cpp (the anchor codes)
//   skCreateToolTip                    tooltip.cpp
//   skButtonImage, skKnobGauge,
//   skGaugeGetPos, skGaugeSetPos       widgets.cpp
//   skClockCtrl                        clock.cpp
//   skSkinChildCtrl, skBorder          child_skin.cpp
//   skCreateDW, skDestroyDW            dim_window.cpp
//   skGetDWMregion                     region_window.cpp (the see-through inner area)
// Limits: the "Dock" and "Undock" caption labels make no button.
#pragma once
#include "controller/outside/velvane.h"
