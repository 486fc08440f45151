// The stand-in PICTORA.DLL implements the controller's declarations. Every
// one of the 21 operations is real; none is inert:
//   control.cpp   the class PICTORACTRL, zInstance, repaint, background switch,
//                 the control's picture size, mouse dragging of unlocked objects
//   objects.cpp   drawing objects by id: draw/replace, scale, angle, anchor,
//                 lock, visibility, parent, focus
//   painting.cpp  GDI+ painting, double-buffered; the transparent background is
//                 the top-level window's colour key when it has one
//   crop.cpp      the crop rectangle (right mouse button rubber band)
//   pictures.cpp  GDI+ decoding into 32-bit DIB sections, bitmap size, ARGB
//   fit.cpp       ZI_Iconise
//   dialog.cpp    ZI_LoadDialog
#pragma once
#include "controller/outside/pictora.h"
