// The image button and the knob gauge, driven with real mouse messages; the
// parent records what reaches it.
#include <gtest/gtest.h>

#include "velvane_host.h"

#include <vector>

static VelvaneCalls W;

struct Received {
    UINT message;
    UINT_PTR id; // WM_COMMAND: the low word of wParam; WM_NOTIFY: idFrom
    int code;    // WM_COMMAND: the notification code; WM_NOTIFY: the NMHDR code
    HWND from;
    bool operator==(const Received &o) const
    {
        return message == o.message && id == o.id && code == o.code && from == o.from;
    }
};

static std::vector<Received> Log;

static LRESULT CALLBACK RecordingProc(HWND w, UINT m, WPARAM wp, LPARAM lp)
{
    if (m == WM_COMMAND) Log.push_back({m, LOWORD(wp), (int)HIWORD(wp), (HWND)lp});
    if (m == WM_NOTIFY) {
        const NMHDR *n = (const NMHDR *)lp;
        Log.push_back({m, n->idFrom, (int)n->code, n->hwndFrom});
    }
    return DefWindowProcA(w, m, wp, lp);
}

static HWND MakeParent()
{
    WNDCLASSEXA wc = {sizeof wc};
    wc.lpfnWndProc = RecordingProc;
    wc.hInstance = GetModuleHandleA(0);
    wc.lpszClassName = "VELVANETESTPARENT";
    RegisterClassExA(&wc);
    return CreateWindowExA(0, wc.lpszClassName, "parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 800, 614, 0,
                           0, wc.hInstance, 0);
}

static std::string Show(const std::vector<Received> &v)
{
    std::string s;
    for (const Received &r : v)
        s += (r.message == WM_NOTIFY ? "NOTIFY(" : "COMMAND(") + std::to_string(r.id) + "," +
             std::to_string(r.code) + ") ";
    return s;
}

TEST(Widgets, ButtonClickAndGaugeTurns)
{
    ASSERT_EQ(1, LoadVelvane(&W));
    ASSERT_TRUE(SetCurrentDirectoryA(TEST_STAGE_DIR));
    W.InitEngine("Corvel.sks", 0);
    HWND parent = MakeParent();
    HWND button = W.ButtonImage(parent, TEST_STAGE_DIR "/Resource/SelectImage.png", 722, 498, 1008, 5);
    HWND knob =
        W.KnobGauge(parent, TEST_STAGE_DIR "/Resource/BTN_Gauge01.png", 303, 527, 0, 0, 1005, 0, 0, 0, 0);
    ASSERT_TRUE(IsWindow(button));
    ASSERT_TRUE(IsWindow(knob));
    EXPECT_EQ(1008, GetDlgCtrlID(button));
    EXPECT_EQ(1005, GetDlgCtrlID(knob));
    EXPECT_EQ(parent, GetParent(knob));

    Log.clear();
    SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3)); // released outside: no click
    SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(-50, -50));

    EXPECT_EQ(0, W.GaugeGetPos(knob));
    SendMessageA(knob, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 20));
    SendMessageA(knob, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(10, 5));  // 15 up: 15 degrees
    SendMessageA(knob, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(10, 40)); // 20 down from the start: wraps to 340
    SendMessageA(knob, WM_LBUTTONUP, 0, MAKELPARAM(10, 40));
    SendMessageA(knob, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0); // one notch forward: 350
    EXPECT_EQ(350, W.GaugeGetPos(knob));
    EXPECT_NE(0, W.GaugeSetPos(knob, 90, 1)); // no notification
    EXPECT_EQ(90, W.GaugeGetPos(knob));
    EXPECT_EQ(0, W.GaugeSetPos(button, 90, 1)); // not a gauge

    const std::vector<Received> expected = {
        {WM_COMMAND, 1008, BN_CLICKED, button},
        {WM_NOTIFY, 1005, 15, knob},
        {WM_NOTIFY, 1005, 340, knob},
        {WM_NOTIFY, 1005, 350, knob},
    };
    EXPECT_EQ(expected, Log) << "expected " << Show(expected) << "\n  actual " << Show(Log);
    DestroyWindow(parent);
}

TEST(Widgets, DimWindowAroundADialogAndNoRegionWindow)
{
    ASSERT_TRUE(W.CreateDW);
    HWND owner = MakeParent();
    int dw = W.CreateDW(owner);
    HWND dim = (HWND)(INT_PTR)dw;
    ASSERT_TRUE(IsWindow(dim));
    EXPECT_EQ(owner, GetWindow(dim, GW_OWNER));
    EXPECT_TRUE(IsWindowVisible(dim));
    RECT a, b;
    GetWindowRect(owner, &a);
    GetWindowRect(dim, &b);
    EXPECT_TRUE(EqualRect(&a, &b));
    EXPECT_NE(0, W.DestroyDW(&dw));
    EXPECT_EQ(0, dw);
    EXPECT_FALSE(IsWindow(dim));
    EXPECT_EQ(0, W.DestroyDW(&dw)); // a second end does nothing
    EXPECT_EQ(0, W.DestroyDW(0));
    EXPECT_EQ((HWND)0, W.GetDWMregion(owner));

    HWND box = CreateWindowExA(0, "BUTTON", "x", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 10, 10, 90, 16,
                               owner, (HMENU)1003, 0, 0);
    EXPECT_NE(0, W.SkinChildCtrl(box, 0));
    EXPECT_NE(0, W.Border(box, 9, 9, 92, 18, 0, 1));
    HDC dc = GetDC(box);
    EXPECT_NE(0, SendMessageA(owner, WM_CTLCOLORSTATIC, (WPARAM)dc, (LPARAM)box)); // the skin's brush
    ReleaseDC(box, dc);
    DestroyWindow(owner);
}
