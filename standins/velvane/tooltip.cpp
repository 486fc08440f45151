// skCreateToolTip: a comctl32 tooltip that shows the text while the mouse
// rests on the control. One tooltip window per control; it is owned by the
// control's top-level window and goes with it.
#include <windows.h>

#include <commctrl.h>

#include "velvane_exports.h"

extern "C" int WINAPI skCreateToolTip(HWND control, const char *text)
{
    if (!IsWindow(control) || !text || !*text) return 0;
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    HWND owner = GetAncestor(control, GA_ROOT);
    HWND tip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, 0, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, 0,
                               (HINSTANCE)GetWindowLongPtrA(control, GWLP_HINSTANCE), 0);
    if (!tip) return 0;
    TOOLINFOA ti;
    ZeroMemory(&ti, sizeof ti);
    ti.cbSize = TTTOOLINFOA_V1_SIZE;
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = GetParent(control) ? GetParent(control) : control;
    ti.uId = (UINT_PTR)control;
    ti.lpszText = (LPSTR)text;
    if (!SendMessageA(tip, TTM_ADDTOOLA, 0, (LPARAM)&ti)) {
        DestroyWindow(tip);
        return 0;
    }
    return (int)(INT_PTR)tip;
}
