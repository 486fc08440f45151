// Operations of the stand-in skin engine that are still inert: they keep the
// contract and do nothing; each returns 0 (none). Real: skInitEngine and
// skGetSystemMetrics (skin_file.cpp), skSkinWindow (frame.cpp), skSetAnchorCtrl
// (anchors.cpp), skCreateToolTip (tooltip.cpp), skButtonImage, skKnobGauge,
// skGaugeGetPos, skGaugeSetPos (widgets.cpp), skSkinChildCtrl, skBorder
// (child_skin.cpp), skCreateDW, skDestroyDW, skGetDWMregion (dim_window.cpp).
#include "velvane_exports.h"

extern "C" {
HWND WINAPI skClockCtrl(HWND parent, const char *image, int x, int y, int width, int height, int id,
                        int argb1, int argb2, int flags)
{
    (void)parent;
    (void)image;
    (void)x;
    (void)y;
    (void)width;
    (void)height;
    (void)id;
    (void)argb1;
    (void)argb2;
    (void)flags;
    return 0;
}
}
