// The main window's controls and widgets, made by the layout against the
// recording doubles: one log holds the child windows as they are created
// (a CBT hook), the messages sent to the zoom trackbar, and the calls of
// the two outside libraries, so that the whole creation order is one table.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <string>
#include <vector>
#include "panel_window.h"
#include "recording_outside.h"
#include "common/bounded_text.h"
#include "controller/layout.h"

static const char RESOURCES[] = "C:\\Tessaro\\Resource\\";
static const int LOGO_BITMAP = 55;
static const int OPAQUE_BLACK = -16777216; // 0xFF000000, what ZD_ColorARGB(255, 0) gives

static HINSTANCE LibraryInstance; // what the zInstance double hands out
static HHOOK CreationHook, MessageHook;

static std::string Instance(HINSTANCE h)
{
    if (h == GetModuleHandleA(NULL)) return "program";
    if (h == LibraryInstance) return "zInstance";
    return std::to_string((unsigned long)(UINT_PTR)h);
}

static std::string Hex(DWORD v)
{
    char t[16];
    snprintf(t, sizeof t, "0x%08lX", (unsigned long)v);
    return t;
}

// Children of the main window, as CreateWindowExA was asked for them; the
// doubles' own stand-in widgets (STATIC) are left out.
static LRESULT CALLBACK OnCreation(int code, WPARAM wp, LPARAM lp)
{
    if (code == HCBT_CREATEWND) {
        const CREATESTRUCTA *cs = ((CBT_CREATEWNDA *)lp)->lpcs;
        std::string cls = HIWORD((UINT_PTR)cs->lpszClass) ? cs->lpszClass : "#atom";
        CharUpperBuffA(&cls[0], (DWORD)cls.size());
        if (cs->hwndParent == MainWindow && cls != "STATIC") {
            CallText call("CreateWindowExA");
            call.Add(cls);
            call.Text(cs->lpszName);
            call.Add(Hex(cs->style));
            for (int v : {cs->x, cs->y, cs->cx, cs->cy, (int)(INT_PTR)cs->hMenu})
                call.Number(v);
            call.Add(Instance(cs->hInstance));
            RecordCall(call);
        }
    }
    return CallNextHookEx(CreationHook, code, wp, lp);
}

// Trackbar messages sent to the zoom trackbar.
static LRESULT CALLBACK OnMessage(int code, WPARAM wp, LPARAM lp)
{
    const CWPSTRUCT *m = (const CWPSTRUCT *)lp;
    if (code == HC_ACTION && m->message >= WM_USER && GetDlgCtrlID(m->hwnd) == IDC_ZOOM &&
        GetParent(m->hwnd) == MainWindow) {
        CallText call("SendMessageA");
        call.Window(m->hwnd);
        call.Number((int)m->message);
        call.Number((int)m->wParam);
        call.Number((int)m->lParam);
        RecordCall(call);
    }
    return CallNextHookEx(MessageHook, code, wp, lp);
}

// The image library registers its control class when it is loaded; the
// doubles stand in for the library, so the test registers it.
static void RegisterImageControlClass()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = PICTORA_CLASS;
    wc.style = CS_GLOBALCLASS;
    RegisterClassA(&wc);
}

static std::string Quoted(const std::string &s)
{
    return "\"" + s + "\"";
}

static std::string Res(const char *file)
{
    return Quoted(std::string(RESOURCES) + file);
}

class Layout : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ResetOutside();
        ImageControl = 0;
        PictureObjectId = 0;
        LibraryInstance = GetModuleHandleA("user32.dll");
        OutsideReturns["zInstance"] = (int)(INT_PTR)LibraryInstance;
        OutsideReturns["ZD_ColorARGB"] = OPAQUE_BLACK;
        OutsideReturns["ZI_CreateBitmapFromFile"] = LOGO_BITMAP;
        OutsideOuts["ZI_CreateBitmapFromFile"] = {{100, 40}}; // a 100 x 40 logo
        RegisterImageControlClass();
        // empty catalogues: the lists are the catalogues' business
        CopyText(AudioFolder, TEXT_SIZE, TEST_WORK_DIR "\\no-such-audio\\");
        CopyText(PluginFolder, TEXT_SIZE, TEST_WORK_DIR "\\no-such-plugins\\");
        ASSERT_TRUE(OpenPanelMainWindow(0, 0, 800, 614));
        CreationHook = SetWindowsHookExA(WH_CBT, OnCreation, NULL, GetCurrentThreadId());
        MessageHook = SetWindowsHookExA(WH_CALLWNDPROC, OnMessage, NULL, GetCurrentThreadId());
        ASSERT_TRUE(CreationHook && MessageHook);
    }
    void TearDown() override
    {
        UnhookWindowsHookEx(CreationHook);
        UnhookWindowsHookEx(MessageHook);
        ClosePanelMainWindow();
        ImageControl = 0;
    }
    // The whole layout as start-up runs it (start-up's own steps in between
    // are not part of the layout).
    void MakeLayout()
    {
        CreatePanelControls(GetModuleHandleA(NULL));
        CreateListControls();
        CreateWidgets(RESOURCES);
    }
};

// Everything up to the image panel's first state.
static std::vector<std::string> ControlCalls()
{
    std::string checkBox = "0x50010003", list = "0x50210243";
    std::string red = std::to_string(0x7FCB0000), grey = std::to_string(0x7F8F8F8F);
    return {
        "CreateWindowExA(PICTORACTRL, NULL, 0x50000000, 78, 40, 628, 432, 1001, program)",
        "CreateWindowExA(MSCTLS_TRACKBAR32, NULL, 0x50010003, 728, 40, 32, 432, 1002, program)",
        "skSetAnchorCtrl(#1002, 6)",
        "zInstance()",
        "CreateWindowExA(BUTTON, \"Transparent HUD mode\", " + checkBox +
            ", 500, 542, 200, 16, 1003, zInstance)",
        "skSkinChildCtrl(#1003, 0)",
        "skSetAnchorCtrl(#1003, 10)",
        "ZI_UseVelvanebackground(#1001, 1, 0)",
        "zInstance()",
        "CreateWindowExA(COMBOBOX, NULL, " + list + ", 127, 493, 150, 164, 1012, zInstance)",
        "skSkinChildCtrl(#1012, 0)",
        "skSetAnchorCtrl(#1012, 10)",
        "zInstance()",
        "CreateWindowExA(COMBOBOX, NULL, " + list + ", 127, 518, 150, 164, 1011, zInstance)",
        "skSkinChildCtrl(#1011, 0)",
        "skSetAnchorCtrl(#1011, 10)",
        "zInstance()",
        "CreateWindowExA(BUTTON, \"Use visual plugin\", " + checkBox +
            ", 127, 542, 150, 16, 1009, zInstance)",
        "skSkinChildCtrl(#1009, 0)",
        "skSetAnchorCtrl(#1009, 10)",
        "skCreateToolTip(#1009, \"Enable/disable visual plugin\")",
        "skClockCtrl(main, " + Res("Clock_09_92.png") + ", 4, 476, 0, 0, 1004, " + red + ", " + grey + ", 0)",
        "skSetAnchorCtrl(#1004, 7)",
        "skCreateToolTip(#1004, \"Velvane clock widget\")",
        "skButtonImage(main, " + Res("SelectImage.png") + ", 722, 498, 1008, 5)",
        "skSetAnchorCtrl(#1008, 9)",
        "skCreateToolTip(#1008, \"Velvane ButtonImage\")",
        "skKnobGauge(main, " + Res("BTN_Gauge01.png") + ", 303, 527, 0, 0, 1005, 0, 0, 0, 0)",
        "skSetAnchorCtrl(#1005, 10)",
        "skCreateToolTip(#1005, \"Velvane KnobGauge\")",
        "skKnobGauge(main, " + Res("BTN_Gauge02.png") + ", 344, 476, 0, 0, 1006, 0, 0, 0, 0)",
        "skSetAnchorCtrl(#1006, 10)",
        "skCreateToolTip(#1006, \"Velvane KnobGauge\")",
        "skKnobGauge(main, " + Res("BTN_Gauge01.png") + ", 436, 527, 0, 0, 1007, 0, 0, 0, 0)",
        "skSetAnchorCtrl(#1007, 10)",
        "skCreateToolTip(#1007, \"Velvane KnobGauge\")",
    };
}

// The image panel's first state: border, anchor, the image size and its fit,
// the trackbar set-up only for a known width, the first picture (which the
// double cannot decode here, so its load stops after the bitmap) and the logo.
static std::vector<std::string> PanelCalls(const std::vector<std::string> &trackbar)
{
    std::vector<std::string> calls = {
        "skBorder(#1001, 77, 39, 630, 434, 0, 1)",
        "skSetAnchorCtrl(#1001, 5)",
        "ZI_GetImageSizeFromControl(#1001, &, &)",
        "ZI_Iconise(" + std::string(trackbar.empty() ? "0, 0" : "800, 600") + ", 628, 432, &, &, &, &)",
    };
    calls.insert(calls.end(), trackbar.begin(), trackbar.end());
    std::vector<std::string> rest = {
        "ZI_GetToolCropStatus(#1001)",
        "ZI_GetImageSizeFromFile(" + Res("Corvel.png") + ", &, &)",
        "ZI_FitBitmapFromFile(" + Res("Corvel.png") + ", 0, 0)",
        "ZI_GetBitmapSize(0, &, &)",
        "ZI_CreateBitmapFromFile(" + Res("Pictora.png") + ", &, &)",
        "ZD_ColorARGB(255, 0)",
        // a 100-pixel logo in the 628-pixel control: 628 - 100 - 10
        "ZD_DrawBitmapToCtrl(#1001, 518, 10, bitmap" + std::to_string(LOGO_BITMAP) + ", " +
            std::to_string(OPAQUE_BLACK) + ", 2, 1)",
        "ZD_SetObjectAnchorMode(2, 2)",
        "ZD_SetObjectLocked(2, 1)",
    };
    calls.insert(calls.end(), rest.begin(), rest.end());
    return calls;
}

TEST_F(Layout, ControlsWidgetsAndFirstPanelStateInTheirOrder)
{
    struct Case {
        const char *what;
        int imageWidth, imageHeight, fitWidth;
        std::vector<std::string> trackbar;
    };
    const Case cases[] = {
        {"no image in the control: the trackbar keeps its defaults", 0, 0, 0, {}},
        {"an 800 x 600 image fitted 576 wide",
         800,
         600,
         576,
         {"SendMessageA(#1002, 1045, 0, 1)", "SendMessageA(#1002, 1047, 0, 1)",
          "SendMessageA(#1002, 1044, 1, 0)",
          "SendMessageA(#1002, 1030, 1, " + std::to_string(MAKELONG(1, 800)) + ")",
          "SendMessageA(#1002, 1029, 1, 576)"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        OutsideOuts["ZI_GetImageSizeFromControl"] = {{c.imageWidth, c.imageHeight}};
        OutsideOuts["ZI_Iconise"] = {{26, 0, c.fitWidth, 432}};
        MakeLayout();
        std::vector<std::string> expected = ControlCalls(), panel = PanelCalls(c.trackbar);
        expected.insert(expected.end(), panel.begin(), panel.end());
        EXPECT_TRUE(SameCalls(expected, OutsideCalls));
        EXPECT_EQ(GetDlgItem(MainWindow, IDC_IMAGE), ImageControl);
    }
}

TEST_F(Layout, ControlsStartUncheckedAndTheListsUnsorted)
{
    MakeLayout();
    for (int id : {IDC_TRANSPARENT, IDC_USE_PLUGIN})
        EXPECT_EQ(SendDlgItemMessageA(MainWindow, id, BM_GETCHECK, 0, 0), BST_UNCHECKED) << id;
    for (int id : {IDC_AUDIO_LIST, IDC_PLUGIN_LIST}) {
        HWND list = GetDlgItem(MainWindow, id);
        ASSERT_TRUE(list) << id;
        EXPECT_FALSE(GetWindowLongA(list, GWL_STYLE) & CBS_SORT) << id;
        EXPECT_EQ(SendMessageA(list, CB_GETCOUNT, 0, 0), 0) << "folders that do not exist list nothing";
    }
    // a trackbar left alone keeps the control's default range
    HWND zoom = GetDlgItem(MainWindow, IDC_ZOOM);
    EXPECT_EQ(SendMessageA(zoom, TBM_GETRANGEMIN, 0, 0), 0);
    EXPECT_EQ(SendMessageA(zoom, TBM_GETRANGEMAX, 0, 0), 100);
}

TEST_F(Layout, WithoutAnImageControlEveryOtherControlIsStillMade)
{
    UnregisterClassA(PICTORA_CLASS, GetModuleHandleA(NULL));
    MakeLayout();
    EXPECT_EQ(ImageControl, (HWND)0);
    std::vector<std::string> expected = ControlCalls();
    expected.erase(expected.begin()); // the image control's creation failed
    // the calls that name the image control get a null window
    for (std::string &call : expected)
        if (call == "ZI_UseVelvanebackground(#1001, 1, 0)") call = "ZI_UseVelvanebackground(0, 1, 0)";
    EXPECT_TRUE(SameCalls(expected, OutsideCalls));
}

TEST_F(Layout, APictureFolderTooLongForTheBufferIsCutTo259Characters)
{
    std::string folder = "C:\\" + std::string(250, 'r') + "\\";
    CreatePanelControls(GetModuleHandleA(NULL));
    CreateListControls();
    OutsideCalls.clear();
    CreateWidgets(folder.c_str());
    std::string cut = (folder + "Corvel.png").substr(0, 259);
    bool found = false;
    for (const std::string &call : OutsideCalls)
        if (call == "ZI_GetImageSizeFromFile(" + Quoted(cut) + ", &, &)") found = true;
    EXPECT_TRUE(found) << "the first picture's path reaches the library cut to " << cut.size();
}
