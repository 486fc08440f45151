// The main window's controls and widgets, made once during start-up. Only
// the image control's handle is kept; the others are found by id.
#include "layout.h"
#include "catalogues.h"
#include "controller_state.h"
#include "image_panel.h"
#include "outside/pictora.h"
#include "outside/velvane.h"
#include "../common/bounded_text.h"
#include <commctrl.h>

// Anchor codes of the skin engine.
static const int ANCHOR_IMAGE = 5, ANCHOR_ZOOM = 6, ANCHOR_CLOCK = 7, ANCHOR_BUTTON = 9, ANCHOR_BOTTOM = 10;
static const DWORD CHECK_BOX_STYLE = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
static const DWORD LIST_STYLE =
    WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL | CBS_HASSTRINGS;
static const int LOGO_OBJECT = 2, LOGO_MARGIN = 10, LOGO_ANCHOR_TOP_RIGHT = 2;
static const int CLOCK_RED = 0x7FCB0000, CLOCK_GREY = 0x7F8F8F8F;
static const int BUTTON_FRAMES = 5;

static HWND Child(const char *cls, const char *text, DWORD style, int x, int y, int w, int h, int id,
                  HINSTANCE instance)
{
    return CreateWindowExA(0, cls, text, style, x, y, w, h, MainWindow, (HMENU)(INT_PTR)id, instance, NULL);
}

// A standard control skinned and anchored to the bottom edge.
static HWND BottomControl(const char *cls, const char *text, DWORD style, int x, int y, int w, int h, int id)
{
    HWND control = Child(cls, text, style, x, y, w, h, id, zInstance());
    skSkinChildCtrl(control, 0);
    skSetAnchorCtrl(control, ANCHOR_BOTTOM);
    return control;
}

static void Picture(char *buffer, const char *folder, const char *file)
{
    CopyText(buffer, TEXT_SIZE, folder);
    AppendText(buffer, TEXT_SIZE, file);
}

void CreatePanelControls(HINSTANCE instance)
{
    // the trackbar class exists only once the common controls are set up
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    ImageControl = Child(PICTORA_CLASS, NULL, WS_CHILD | WS_VISIBLE, 78, 40, 628, 432, IDC_IMAGE, instance);
    Child(TRACKBAR_CLASSA, NULL, WS_CHILD | WS_VISIBLE | WS_TABSTOP | TBS_VERT | TBS_AUTOTICKS | TBS_RIGHT,
          728, 40, 32, 432, IDC_ZOOM, instance);
}

void CreateListControls()
{
    skSetAnchorCtrl(GetDlgItem(MainWindow, IDC_ZOOM), ANCHOR_ZOOM);
    BottomControl("BUTTON", "Transparent HUD mode", CHECK_BOX_STYLE, 500, 542, 200, 16, IDC_TRANSPARENT);
    ZI_UseVelvanebackground(ImageControl, 1, 0);
    HWND audio = Child("COMBOBOX", NULL, LIST_STYLE, 127, 493, 150, 164, IDC_AUDIO_LIST, zInstance());
    FillAudioList(audio, 1);
    skSkinChildCtrl(audio, 0);
    skSetAnchorCtrl(audio, ANCHOR_BOTTOM);
    HWND plugins = Child("COMBOBOX", NULL, LIST_STYLE, 127, 518, 150, 164, IDC_PLUGIN_LIST, zInstance());
    FillPluginList(plugins, 1);
    skSkinChildCtrl(plugins, 0);
    skSetAnchorCtrl(plugins, ANCHOR_BOTTOM);
}

static void FirstPanelState(const char *resourceFolder)
{
    RECT r = {};
    GetWindowRect(ImageControl, &r);
    POINT topLeft = {r.left, r.top};
    ScreenToClient(MainWindow, &topLeft);
    int cw = r.right - r.left, ch = r.bottom - r.top;
    skBorder(ImageControl, topLeft.x - 1, topLeft.y - 1, cw + 2, ch + 2, 0, 1);
    skSetAnchorCtrl(ImageControl, ANCHOR_IMAGE);
    int iw = 0, ih = 0;
    ZI_GetImageSizeFromControl(ImageControl, &iw, &ih);
    int fx = 0, fy = 0, fw = 0, fh = 0;
    ZI_Iconise(iw, ih, cw, ch, &fx, &fy, &fw, &fh);
    if (iw != 0) {
        HWND zoom = GetDlgItem(MainWindow, IDC_ZOOM);
        SendMessageA(zoom, TBM_SETPAGESIZE, 0, 1);
        SendMessageA(zoom, TBM_SETLINESIZE, 0, 1);
        SendMessageA(zoom, TBM_SETTICFREQ, 1, 0);
        SendMessageA(zoom, TBM_SETRANGE, 1, MAKELONG(1, iw));
        SendMessageA(zoom, TBM_SETPOS, 1, fw);
    }
    char path[TEXT_SIZE];
    Picture(path, resourceFolder, "Corvel.png");
    LoadPicture(path);
    Picture(path, resourceFolder, "Pictora.png");
    int bw = 0, bh = 0;
    HBITMAP logo = ZI_CreateBitmapFromFile(path, &bw, &bh);
    ZD_DrawBitmapToCtrl(ImageControl, cw - bw - LOGO_MARGIN, LOGO_MARGIN, logo, ZD_ColorARGB(255, 0),
                        LOGO_OBJECT, 1);
    ZD_SetObjectAnchorMode(LOGO_OBJECT, LOGO_ANCHOR_TOP_RIGHT);
    ZD_SetObjectLocked(LOGO_OBJECT, 1);
}

void CreateWidgets(const char *resourceFolder)
{
    HWND use =
        BottomControl("BUTTON", "Use visual plugin", CHECK_BOX_STYLE, 127, 542, 150, 16, IDC_USE_PLUGIN);
    skCreateToolTip(use, "Enable/disable visual plugin");

    char path[TEXT_SIZE];
    Picture(path, resourceFolder, "Clock_09_92.png");
    HWND clock = skClockCtrl(MainWindow, path, 4, 476, 0, 0, IDC_CLOCK, CLOCK_RED, CLOCK_GREY, 0);
    skSetAnchorCtrl(clock, ANCHOR_CLOCK);
    skCreateToolTip(clock, "Velvane clock widget");

    Picture(path, resourceFolder, "SelectImage.png");
    HWND button = skButtonImage(MainWindow, path, 722, 498, IDC_SELECT_IMAGE, BUTTON_FRAMES);
    skSetAnchorCtrl(button, ANCHOR_BUTTON);
    skCreateToolTip(button, "Velvane ButtonImage");

    struct Gauge {
        const char *picture;
        int x, y, id;
    };
    static const Gauge gauges[] = {{"BTN_Gauge01.png", 303, 527, IDC_GAUGE1},
                                   {"BTN_Gauge02.png", 344, 476, IDC_GAUGE2},
                                   {"BTN_Gauge01.png", 436, 527, IDC_GAUGE3}};
    for (const Gauge &g : gauges) {
        Picture(path, resourceFolder, g.picture);
        HWND gauge = skKnobGauge(MainWindow, path, g.x, g.y, 0, 0, g.id, 0, 0, 0, 0);
        skSetAnchorCtrl(gauge, ANCHOR_BOTTOM);
        skCreateToolTip(gauge, "Velvane KnobGauge");
    }
    if (ImageControl) FirstPanelState(resourceFolder);
}
