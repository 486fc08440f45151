// The main window's procedure with real controls, a recording engine window
// and the recording doubles: each user action or engine notification, with
// the commands the engine receives, the outside calls, where the keyboard
// focus goes and what the controls read afterwards.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <functional>
#include <string>
#include <vector>
#include "engine_recorder.h"
#include "panel_window.h"
#include "recording_outside.h"
#include "common/bounded_text.h"
#include "controller/engine_link.h"
#include "controller/window_proc.h"

static const WPARAM VISUAL_OFF = (WPARAM)-80;
static const char PICTURE[] = "C:\\Pictures\\sea.png";

enum Focus { ON_IMAGE, ON_MAIN, UNCHANGED };

// A main window at (100, 100), 800 x 614, run by the controller's procedure,
// which takes MainWindow from the window's first message.
static HWND OpenProcMainWindow(DWORD style)
{
    MainWindow = 0;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = MainWindowProc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = "PROCTESTMAIN";
    RegisterClassA(&wc);
    return CreateWindowExA(0, "PROCTESTMAIN", "Tessaro", style, 100, 100, 800, 614, NULL, NULL, wc.hInstance,
                           NULL);
}

struct Step {
    const char *action;
    std::function<void()> act;
    std::vector<std::string> commands; // as the engine receives them
    std::vector<std::string> calls;    // outside calls, lookups of the region and the insets left out
    Focus focus;
    int useChecked;    // "Use visual plugin" afterwards
    int regionVisible; // the region window afterwards, -1 when it does not matter
};

class WindowProc : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ResetOutside();
        ImageControl = 0;
        PictureObjectId = 0;
        LastZoom = 0.0f;
        EngineNotifyMessage = RegisterWindowMessageA("Orvanenotification");
        CopyText(AudioFolder, TEXT_SIZE, "C:\\Music\\");
        CopyText(PluginFolder, TEXT_SIZE, "C:\\Plugins\\");
        OutsideReturns["skGetSystemMetrics(28)"] = 30;
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_BAR_CLASSES};
        ASSERT_TRUE(InitCommonControlsEx(&icc));

        HWND main = OpenProcMainWindow(WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN);
        ASSERT_TRUE(main);
        ASSERT_EQ(MainWindow, main);

        ImageControl = OpenChild("STATIC", WS_CHILD | WS_VISIBLE, 78, 40, 628, 432, IDC_IMAGE);
        zoom = OpenChild(TRACKBAR_CLASSA, 0x50010003, 728, 40, 32, 432, IDC_ZOOM);
        SendMessageA(zoom, TBM_SETRANGE, 1, MAKELONG(1, 1500));
        for (int id : {IDC_TRANSPARENT, IDC_USE_PLUGIN})
            OpenChild("BUTTON", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 500, 542, 200, 16, id);
        audio = OpenList(IDC_AUDIO_LIST, {"One.mp3", "Two.mp3"});
        plugins = OpenList(IDC_PLUGIN_LIST, {"Vortiq.dll", "Other.dll"});
        for (int id : {IDC_CLOCK, IDC_GAUGE1, IDC_GAUGE2, IDC_GAUGE3})
            OpenChild("STATIC", WS_CHILD | WS_VISIBLE, 300, 500, 40, 40, id);
        region = CreateWindowExA(0, "STATIC", "region", WS_POPUP | WS_VISIBLE, 100, 100, 800, 614, NULL, NULL,
                                 NULL, NULL);
        OutsideReturns["skGetDWMregion"] = (int)(INT_PTR)region;
        OutsideReturns["ZD_GetObjectParent"] = (int)(INT_PTR)ImageControl;

        // the engine is running and already knows its parent
        engine = OpenEngineRecorder();
        ASSERT_TRUE(engine);
        ASSERT_EQ(FindEngineWindow(), engine);
        EngineCommands().clear();
        OutsideCalls.clear();
    }
    void TearDown() override
    {
        if (IsWindow(MainWindow)) DestroyWindow(MainWindow);
        MainWindow = 0;
        ImageControl = 0;
        DestroyWindow(region);
        DestroyWindow(engine);
        MSG msg; // the WM_QUIT of the shutdown
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }
    HWND OpenList(int id, std::initializer_list<const char *> items)
    {
        HWND list = OpenChild("COMBOBOX", 0x50210243, 127, 493, 150, 164, id);
        for (const char *item : items)
            SendMessageA(list, CB_ADDSTRING, 0, (LPARAM)item);
        SendMessageA(list, CB_SETCURSEL, 0, 0);
        return list;
    }

    // The user's actions and the engine's notification, as real messages.
    static void Click(int id) { SendDlgItemMessageA(MainWindow, id, BM_CLICK, 0, 0); }
    // the skin engine's image button reports like a push button
    static void Command(int id)
    {
        SendMessageA(MainWindow, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(MainWindow, id));
    }
    static void Choose(HWND list, int index, WORD notification = CBN_SELENDOK)
    {
        SendMessageA(list, CB_SETCURSEL, (WPARAM)index, 0);
        SendMessageA(MainWindow, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), notification), (LPARAM)list);
    }
    static void Notify(WPARAM wParam) { SendMessageA(MainWindow, EngineNotifyMessage, wParam, 0); }
    static void Turn(int id, int angle)
    {
        NMHDR turn = {GetDlgItem(MainWindow, id), (UINT_PTR)id, (UINT)angle};
        SendMessageA(MainWindow, WM_NOTIFY, (WPARAM)id, (LPARAM)&turn);
    }
    void Scroll(HWND from, int position)
    {
        SendMessageA(zoom, TBM_SETPOS, 1, position);
        SendMessageA(MainWindow, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, position), (LPARAM)from);
    }

    void Run(const std::vector<Step> &steps)
    {
        for (const Step &s : steps) {
            SCOPED_TRACE(s.action);
            SetFocus(audio); // a neutral place: UNCHANGED leaves it here
            EngineCommands().clear();
            OutsideCalls.clear();
            s.act();
            std::vector<std::string> calls;
            for (const std::string &c : OutsideCalls)
                if (c.rfind("skGetDWMregion", 0) != 0 && c.rfind("skGetSystemMetrics", 0) != 0)
                    calls.push_back(c);
            EXPECT_TRUE(SameCalls(s.commands, EngineCommands())) << "engine commands";
            EXPECT_TRUE(SameCalls(s.calls, calls)) << "outside calls";
            HWND expectedFocus = s.focus == ON_IMAGE ? ImageControl : s.focus == ON_MAIN ? MainWindow : audio;
            EXPECT_EQ(WindowName(GetFocus()), WindowName(expectedFocus)) << "keyboard focus";
            EXPECT_EQ(SendDlgItemMessageA(MainWindow, IDC_USE_PLUGIN, BM_GETCHECK, 0, 0), s.useChecked);
            if (s.regionVisible >= 0) {
                EXPECT_EQ(IsWindowVisible(region) ? 1 : 0, s.regionVisible);
            }
        }
    }
    HWND zoom = 0, audio = 0, plugins = 0, region = 0, engine = 0;
};

TEST_F(WindowProc, VisualModeMusicAndPluginChoices)
{
    const std::string play1 = "PLAY,C:\\Music\\One.mp3", play2 = "PLAY,C:\\Music\\Two.mp3";
    Run({
        {"music chosen while visual mode is off", [&] { Choose(audio, 1); }, {}, {}, UNCHANGED, 0, 1},
        {"a plug-in chosen",
         [&] { Choose(plugins, 1); },
         {"PLUGIN,C:\\Plugins\\Other.dll"},
         {},
         ON_IMAGE,
         0,
         1},
        {"a plug-in list's other notification",
         [&] { Choose(plugins, 0, CBN_SELCHANGE); },
         {},
         {},
         UNCHANGED,
         0,
         1},
        {"Use visual plugin ticked", [&] { Click(IDC_USE_PLUGIN); }, {play2}, {}, ON_IMAGE, 1, 0},
        {"music chosen in visual mode", [&] { Choose(audio, 0); }, {play1}, {}, ON_IMAGE, 1, 0},
        {"a music list's other notification",
         [&] { Choose(audio, 1, CBN_SELCHANGE); },
         {},
         {},
         UNCHANGED,
         1,
         0},
        {"a plug-in chosen in visual mode",
         [&] { Choose(plugins, 0); },
         {"PLUGIN,C:\\Plugins\\Vortiq.dll"},
         {},
         ON_IMAGE,
         1,
         0},
        {"the engine's notification with another code",
         [&] { Notify((WPARAM)-79); },
         {},
         {},
         UNCHANGED,
         1,
         0},
        {"the engine leaves its visual", [&] { Notify(VISUAL_OFF); }, {"STOP"}, {}, ON_MAIN, 0, 1},
        {"the engine leaves its visual again", [&] { Notify(VISUAL_OFF); }, {"STOP"}, {}, ON_MAIN, 0, 1},
        {"Use visual plugin ticked again", [&] { Click(IDC_USE_PLUGIN); }, {play2}, {}, ON_IMAGE, 1, 0},
        {"Use visual plugin cleared", [&] { Click(IDC_USE_PLUGIN); }, {"STOP"}, {}, ON_IMAGE, 0, 1},
    });
    // the visual is shown over the controller's inner area and hidden again
    EXPECT_FALSE(IsWindowVisible(engine));
}

TEST_F(WindowProc, TheVisualShowsDockedOverTheInnerArea)
{
    Click(IDC_USE_PLUGIN);
    EXPECT_TRUE(IsWindowVisible(engine));
    RECT r = {};
    GetWindowRect(engine, &r);
    EXPECT_EQ(r.top, 130) << "below the skin's 30-pixel caption";
    EXPECT_EQ(r.bottom, 714);
}

TEST_F(WindowProc, WithNothingSelectedVisualModePlaysTheBareMusicFolder)
{
    SendMessageA(audio, CB_SETCURSEL, (WPARAM)-1, 0);
    Run({{"Use visual plugin ticked",
          [&] { Click(IDC_USE_PLUGIN); },
          {"PLAY,C:\\Music\\"},
          {},
          ON_IMAGE,
          1,
          0}});
}

TEST_F(WindowProc, WithoutARegionWindowItsStepsAreSkipped)
{
    OutsideReturns["skGetDWMregion"] = 0;
    Run({
        {"Use visual plugin ticked",
         [&] { Click(IDC_USE_PLUGIN); },
         {"PLAY,C:\\Music\\One.mp3"},
         {},
         ON_IMAGE,
         1,
         1},
        {"the engine leaves its visual", [&] { Notify(VISUAL_OFF); }, {"STOP"}, {}, UNCHANGED, 0, 1},
    });
}

TEST_F(WindowProc, BackgroundGaugesPictureDialogAndZoom)
{
    const std::string picture = std::string("\"") + PICTURE + "\"";
    const std::vector<std::string> chosen = {
        "skCreateDW(main)", "ZI_LoadDialog(main)", "skDestroyDW(&)",
        // the double cannot decode it: the load stops after the bitmap
        "ZI_GetToolCropStatus(#1001)", "ZI_GetImageSizeFromFile(" + picture + ", &, &)",
        "ZI_FitBitmapFromFile(" + picture + ", 0, 0)", "ZI_GetBitmapSize(0, &, &)"};
    Run({
        {"Transparent HUD mode ticked",
         [&] { Click(IDC_TRANSPARENT); },
         {},
         {"ZI_UseVelvanebackground(#1001, 0, 1)"},
         ON_IMAGE,
         0,
         -1},
        {"Transparent HUD mode cleared",
         [&] { Click(IDC_TRANSPARENT); },
         {},
         {"ZI_UseVelvanebackground(#1001, 1, 1)"},
         ON_IMAGE,
         0,
         -1},
        // before any picture the angle goes to object 0
        {"gauge 1 turned",
         [&] { Turn(IDC_GAUGE1, 30); },
         {},
         {"ZD_SetObjectAngle(0, 30, 1)", "skGaugeSetPos(#1006, 30, 1)", "skGaugeSetPos(#1007, 30, 1)"},
         UNCHANGED,
         0,
         -1},
        {"gauge 2 turned",
         [&] { Turn(IDC_GAUGE2, -45); },
         {},
         {"ZD_SetObjectAngle(0, -45, 1)", "skGaugeSetPos(#1005, -45, 1)", "skGaugeSetPos(#1007, -45, 1)"},
         UNCHANGED,
         0,
         -1},
        {"gauge 3 turned",
         [&] { Turn(IDC_GAUGE3, 359); },
         {},
         {"ZD_SetObjectAngle(0, 359, 1)", "skGaugeSetPos(#1006, 359, 1)", "skGaugeSetPos(#1005, 359, 1)"},
         UNCHANGED,
         0,
         -1},
        {"a notification from the clock", [&] { Turn(IDC_CLOCK, 10); }, {}, {}, UNCHANGED, 0, -1},
        {"a notification without a record",
         [&] { SendMessageA(MainWindow, WM_NOTIFY, IDC_GAUGE1, 0); },
         {},
         {},
         UNCHANGED,
         0,
         -1},
        {"the picture dialog cancelled",
         [&] { Command(IDC_SELECT_IMAGE); },
         {},
         {"skCreateDW(main)", "ZI_LoadDialog(main)", "skDestroyDW(&)"},
         UNCHANGED,
         0,
         -1},
        {"a picture chosen",
         [&] {
             OutsideTexts["ZI_LoadDialog"] = PICTURE;
             Command(IDC_SELECT_IMAGE);
         },
         {},
         chosen,
         UNCHANGED,
         0,
         -1},
        {"the trackbar scrolled before any picture", [&] { Scroll(zoom, 500); }, {}, {}, UNCHANGED, 0, -1},
        {"a picture shown, the trackbar scrolled",
         [&] {
             PictureObjectId = 1;
             Scroll(zoom, 500);
         },
         {},
         {"ZD_GetObjectParent(1)", "ZI_GetToolCropStatus(#1001)", "ZD_SetObjectScale(1, 0.5)",
          "ZI_UpdateWindow(#1001, 0)"},
         UNCHANGED,
         0,
         -1},
        {"the same position again", [&] { Scroll(zoom, 500); }, {}, {}, UNCHANGED, 0, -1},
        {"a scroll from another window", [&] { Scroll(audio, 700); }, {}, {}, UNCHANGED, 0, -1},
        {"a scroll without a window", [&] { Scroll(NULL, 700); }, {}, {}, UNCHANGED, 0, -1},
    });
}

TEST_F(WindowProc, ClosingCollapsesTheRegionAndEndsTheEngineAndTheLoop)
{
    HWND main = MainWindow;
    SendMessageA(main, WM_CLOSE, 0, 0);
    RECT r = {};
    GetWindowRect(region, &r);
    EXPECT_TRUE(IsRectEmpty(&r)) << r.left << "," << r.top << " " << r.right - r.left << "x"
                                 << r.bottom - r.top;
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_FALSE(IsWindow(main)) << "default processing destroyed the window";
    EXPECT_TRUE(SameCalls({"DESTROY"}, EngineCommands()));
    MSG msg = {};
    EXPECT_TRUE(PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.message, (UINT)WM_QUIT);
    EXPECT_EQ(msg.wParam, 0u);
}

TEST_F(WindowProc, OnlyTheDestroyIsKeptFromDefaultProcessing)
{
    // handled or not, messages return what DefWindowProcA gives
    EXPECT_EQ(SendMessageA(MainWindow, WM_GETTEXTLENGTH, 0, 0), 7);
    EXPECT_EQ(SendMessageA(MainWindow, WM_NCHITTEST, 0, MAKELPARAM(500, 400)), HTCLIENT);
    EXPECT_EQ(MainWindowProc(MainWindow, WM_DESTROY, 0, 0), 0);
    EXPECT_TRUE(SameCalls({"DESTROY"}, EngineCommands()));
}

// With the engine already running, the messages that CreateWindowExA sends
// itself discover it, before start-up holds the window's handle.
TEST(FirstDiscovery, DuringCreationAnnouncesTheRealWindowOnceAndDocksToIt)
{
    ResetOutside();
    const int insets[] = {8, 30, 8, 8}; // left, top, right, bottom
    for (int k = 0; k < 4; ++k)
        OutsideReturns["skGetSystemMetrics(" + std::to_string(27 + k) + ")"] = insets[k];
    HWND engine = OpenEngineRecorder();
    ASSERT_TRUE(engine);
    HWND main = OpenProcMainWindow(WS_POPUP);
    ASSERT_TRUE(main);
    SetWindowPos(main, NULL, 120, 110, 800, 614, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(
        SameCalls({"PARENT, " + std::to_string((unsigned long)(UINT_PTR)main) + ", 1010"}, EngineCommands()));
    RECT r = {};
    GetWindowRect(engine, &r);
    EXPECT_EQ(r.left, 128);
    EXPECT_EQ(r.top, 140);
    EXPECT_EQ(r.right - r.left, 784);
    EXPECT_EQ(r.bottom - r.top, 576);
    DestroyWindow(main);
    MainWindow = 0;
    DestroyWindow(engine);
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}
