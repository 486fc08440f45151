// The skinned frame and the anchors on a real top-level window shaped like
// the controller's main window.
#include <gtest/gtest.h>

#include "velvane_host.h"

#include <commctrl.h>

#include <vector>

static VelvaneCalls F;

static HWND MakeMain()
{
    WNDCLASSEXA wc = {sizeof wc};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(0);
    wc.lpszClassName = "VELVANETESTMAIN";
    RegisterClassExA(&wc);
    return CreateWindowExA(0, "VELVANETESTMAIN", "Tessaro", 0x86CF0000, 100, 100, 800, 614, 0, 0,
                           wc.hInstance, 0);
}

static LRESULT HitAt(HWND w, int x, int y)
{
    RECT r;
    GetWindowRect(w, &r);
    return SendMessageA(w, WM_NCHITTEST, 0, MAKELPARAM(r.left + x, r.top + y));
}

static void Click(HWND w, int x, int y)
{
    RECT r;
    GetWindowRect(w, &r);
    LPARAM at = MAKELPARAM(r.left + x, r.top + y);
    WPARAM hit = (WPARAM)SendMessageA(w, WM_NCHITTEST, 0, at);
    SendMessageA(w, WM_NCLBUTTONDOWN, hit, at);
    SendMessageA(w, WM_NCLBUTTONUP, hit, at);
}

// The caption row from left to right, as the distinct hit codes met.
static std::vector<LRESULT> CaptionRow(HWND w, int y, int xs[8])
{
    std::vector<LRESULT> row;
    RECT r;
    GetWindowRect(w, &r);
    for (int x = 10; x < r.right - r.left - 8; ++x) {
        LRESULT h = HitAt(w, x, y);
        if (row.empty() || row.back() != h) {
            if (row.size() < 8) xs[row.size()] = x + 5; // a point inside the span
            row.push_back(h);
        }
    }
    return row;
}

TEST(Frame, InsetsButtonsAndTheirEffects)
{
    ASSERT_EQ(1, LoadVelvane(&F));
    ASSERT_TRUE(SetCurrentDirectoryA(TEST_STAGE_DIR));
    ASSERT_NE(0, F.InitEngine("Corvel.sks", 0));
    HWND w = MakeMain();
    ASSERT_TRUE(w);
    EXPECT_NE(0, F.SkinWindow(w, "Dock|Undock|Minimize|Maximize|Restore|Close"));
    ShowWindow(w, SW_SHOW);

    // The client area is the window less the skin's insets.
    RECT c, wr;
    GetClientRect(w, &c);
    GetWindowRect(w, &wr);
    POINT origin = {0, 0};
    ClientToScreen(w, &origin);
    EXPECT_EQ(800 - 8 - 8, c.right);
    EXPECT_EQ(614 - 30 - 8, c.bottom);
    EXPECT_EQ(wr.left + 8, origin.x);
    EXPECT_EQ(wr.top + 30, origin.y);

    int xs[8] = {0};
    std::vector<LRESULT> row = CaptionRow(w, 15, xs);
    std::vector<LRESULT> expected = {HTCAPTION, HTMINBUTTON, HTCAPTION, HTMAXBUTTON,
                                     HTCAPTION, HTCLOSE,     HTCAPTION};
    ASSERT_EQ(expected, row);
    EXPECT_EQ(HTCLIENT, HitAt(w, 400, 300));
    EXPECT_EQ(HTBOTTOMRIGHT, HitAt(w, 798, 612));

    Click(w, xs[3], 15); // Maximize
    EXPECT_TRUE(IsZoomed(w));
    ASSERT_EQ(expected, CaptionRow(w, 15, xs)); // the buttons moved with the right edge
    Click(w, xs[3], 15);                        // Restore, in the same place
    EXPECT_FALSE(IsZoomed(w));
    GetWindowRect(w, &wr);
    EXPECT_EQ(800, wr.right - wr.left);
    ASSERT_EQ(expected, CaptionRow(w, 15, xs));
    Click(w, xs[1], 15); // Minimize
    EXPECT_TRUE(IsIconic(w));
    ShowWindow(w, SW_RESTORE);
    EXPECT_FALSE(IsIconic(w));
    ASSERT_EQ(expected, CaptionRow(w, 15, xs));
    Click(w, xs[5], 15); // Close
    EXPECT_FALSE(IsWindow(w));
}

// Each child is anchored with one code; the parent's client area grows by
// 100 x 50 and every child lands where its code says.
struct AnchorCase {
    int code;
    RECT before; // x, y, right, bottom in client coordinates
    RECT after;
};

static const AnchorCase AnchorCases[] = {
    {5, {70, 10, 698, 442}, {70, 10, 798, 492}},      // all edges: stretches
    {6, {720, 10, 752, 442}, {820, 10, 852, 492}},    // right, top, bottom
    {7, {0, 446, 90, 476}, {0, 496, 90, 526}},        // left and bottom
    {9, {714, 468, 754, 508}, {814, 518, 854, 558}},  // right and bottom
    {10, {119, 463, 269, 479}, {169, 513, 319, 529}}, // bottom, centred
    {0, {20, 20, 40, 40}, {20, 20, 40, 40}},          // none
};

TEST(Anchors, ChildrenFollowTheParentsEdges)
{
    ASSERT_TRUE(F.SetAnchorCtrl);
    HWND w = MakeMain();
    ASSERT_TRUE(w);
    F.SkinWindow(w, "Minimize|Maximize|Restore|Close");
    HWND kids[6];
    int i = 0;
    for (const AnchorCase &a : AnchorCases) {
        const RECT &b = a.before;
        kids[i] = CreateWindowExA(0, "STATIC", 0, WS_CHILD | WS_VISIBLE, b.left, b.top, b.right - b.left,
                                  b.bottom - b.top, w, (HMENU)(INT_PTR)(100 + i), 0, 0);
        EXPECT_NE(0, F.SetAnchorCtrl(kids[i], a.code == 0 ? 1 : a.code));
        if (a.code == 0) EXPECT_NE(0, F.SetAnchorCtrl(kids[i], 0)); // ends the anchor
        ++i;
    }
    EXPECT_EQ(0, F.SetAnchorCtrl(kids[0], 11));
    SetWindowPos(w, 0, 0, 0, 900, 664, SWP_NOMOVE | SWP_NOZORDER);
    i = 0;
    for (const AnchorCase &a : AnchorCases) {
        RECT r;
        GetWindowRect(kids[i++], &r);
        MapWindowPoints(0, w, (POINT *)&r, 2);
        EXPECT_TRUE(EqualRect(&a.after, &r))
            << "code " << a.code << ": expected " << a.after.left << "," << a.after.top << ","
            << a.after.right << "," << a.after.bottom << " got " << r.left << "," << r.top << "," << r.right
            << "," << r.bottom;
    }
    DestroyWindow(w);
}

TEST(ToolTip, IsARealTooltipWithTheText)
{
    ASSERT_TRUE(F.CreateToolTip);
    HWND w = MakeMain();
    HWND box = CreateWindowExA(0, "BUTTON", "x", WS_CHILD | WS_VISIBLE, 10, 10, 50, 20, w, (HMENU)7, 0, 0);
    HWND tip = (HWND)(INT_PTR)F.CreateToolTip(box, "Enable/disable visual plugin");
    ASSERT_TRUE(IsWindow(tip));
    char cls[64] = {0};
    GetClassNameA(tip, cls, sizeof cls);
    EXPECT_STREQ(TOOLTIPS_CLASSA, cls);
    char text[80] = {0};
    TOOLINFOA ti = {};
    ti.cbSize = TTTOOLINFOA_V1_SIZE;
    ti.hwnd = w;
    ti.uId = (UINT_PTR)box;
    ti.lpszText = text;
    SendMessageA(tip, TTM_GETTEXTA, sizeof text, (LPARAM)&ti);
    EXPECT_STREQ("Enable/disable visual plugin", text);
    DestroyWindow(w);
}

// Handles what is waiting, then lets the X server catch up.
static void FlushEvents()
{
    for (int round = 0; round < 20; ++round) {
        MSG msg;
        while (PeekMessageA(&msg, 0, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        Sleep(25);
    }
}

static COLORREF ScreenPixel(int x, int y)
{
    HDC screen = GetDC(0);
    COLORREF c = GetPixel(screen, x, y);
    ReleaseDC(0, screen);
    return c;
}

static LRESULT CALLBACK SolidProc(HWND w, UINT m, WPARAM wp, LPARAM lp)
{
    if (m == WM_ERASEBKGND) {
        RECT r;
        GetClientRect(w, &r);
        HBRUSH b = CreateSolidBrush((COLORREF)GetWindowLongPtrA(w, GWLP_USERDATA));
        FillRect((HDC)wp, &r, b);
        DeleteObject(b);
        return 1;
    }
    return DefWindowProcA(w, m, wp, lp);
}

// A window (top-level, or child when parent is given) painted in one colour.
static HWND Solid(HWND parent, COLORREF colour, int x, int y, int w, int h)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = SolidProc;
    wc.hInstance = GetModuleHandleA(0);
    wc.lpszClassName = "VELVANETESTSOLID";
    RegisterClassA(&wc);
    HWND s =
        CreateWindowExA(parent ? 0 : WS_EX_NOACTIVATE, "VELVANETESTSOLID", 0,
                        (parent ? WS_CHILD : WS_POPUP) | WS_VISIBLE, x, y, w, h, parent, 0, wc.hInstance, 0);
    SetWindowLongPtrA(s, GWLP_USERDATA, (LONG_PTR)colour);
    InvalidateRect(s, 0, TRUE);
    return s;
}

TEST(Frame, TheInnerAreaIsSeeThroughWithTheRegionWindowBehindIt)
{
    ASSERT_EQ(1, LoadVelvane(&F));
    ASSERT_TRUE(SetCurrentDirectoryA(TEST_STAGE_DIR));
    ASSERT_NE(0, F.InitEngine("Corvel.sks", 0));
    const COLORREF regionColour = RGB(0x1E, 0x26, 0x30), captionColour = RGB(0x27, 0x3A, 0x4E); // Corvel.sks
    const COLORREF visual = RGB(0, 200, 0), control = RGB(200, 0, 0);
    HWND w = MakeMain();
    ASSERT_TRUE(w);
    ASSERT_NE(0, F.SkinWindow(w, "Minimize|Maximize|Close"));
    HWND child = Solid(w, control, 10, 10, 40, 40); // a control at screen 118, 140
    ShowWindow(w, SW_SHOW);
    FlushEvents();

    HWND region = F.GetDWMregion(w);
    ASSERT_TRUE(IsWindow(region));
    EXPECT_TRUE(IsWindowVisible(region));
    EXPECT_EQ(GetWindow(w, GW_HWNDNEXT), region) << "directly behind the main window";
    EXPECT_EQ(GetWindow(region, GW_OWNER), (HWND)0) << "an owned window would stay in front";
    RECT r;
    GetWindowRect(region, &r);
    EXPECT_EQ(r.left, 108);
    EXPECT_EQ(r.top, 130);
    EXPECT_EQ(r.right, 892);
    EXPECT_EQ(r.bottom, 706);
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    EXPECT_TRUE(GetLayeredWindowAttributes(w, &key, &alpha, &flags));
    EXPECT_TRUE(flags & LWA_COLORKEY);

    // on screen: the region's colour in the inner area, the control and the caption solid
    EXPECT_EQ(ScreenPixel(500, 400), regionColour);
    EXPECT_EQ(ScreenPixel(130, 150), control);
    EXPECT_EQ(ScreenPixel(300, 115), captionColour);

    // the visual behind the main window, the region hidden: the visual shows
    // in the inner area, and the frame and the control stay in front
    HWND behind = Solid(0, visual, 100, 100, 800, 614);
    ShowWindow(region, SW_HIDE);
    SetWindowPos(behind, w, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(w, behind, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(w, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    FlushEvents();
    EXPECT_EQ(ScreenPixel(500, 400), visual);
    EXPECT_EQ(ScreenPixel(130, 150), control);
    EXPECT_EQ(ScreenPixel(300, 115), captionColour);

    // the region shown again as the controller does: it covers the visual and
    // the main window stays in front of it
    SetWindowPos(region, GetWindow(w, GW_HWNDNEXT), 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOOWNERZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    FlushEvents();
    EXPECT_EQ(ScreenPixel(500, 400), regionColour);
    EXPECT_EQ(ScreenPixel(130, 150), control);
    DestroyWindow(behind);

    // it follows moves, minimising and hiding, and ends with the main window
    MoveWindow(w, 50, 60, 700, 500, TRUE);
    GetWindowRect(region, &r);
    EXPECT_EQ(r.left, 58);
    EXPECT_EQ(r.top, 90);
    EXPECT_EQ(r.right, 742);
    EXPECT_EQ(r.bottom, 552);
    ShowWindow(w, SW_MINIMIZE);
    EXPECT_FALSE(IsWindowVisible(region));
    ShowWindow(w, SW_RESTORE);
    EXPECT_TRUE(IsWindowVisible(region));
    ShowWindow(w, SW_HIDE);
    EXPECT_FALSE(IsWindowVisible(region));
    ShowWindow(w, SW_SHOW);
    EXPECT_TRUE(IsWindowVisible(region));
    DestroyWindow(child);
    DestroyWindow(w);
    EXPECT_FALSE(IsWindow(region));
}

TEST(Frame, AWindowSkinnedWhileShownStaysInFrontOfItsNewRegionWindow)
{
    ASSERT_EQ(1, LoadVelvane(&F));
    ASSERT_TRUE(SetCurrentDirectoryA(TEST_STAGE_DIR));
    ASSERT_NE(0, F.InitEngine("Corvel.sks", 0));
    const COLORREF regionColour = RGB(0x1E, 0x26, 0x30), control = RGB(200, 0, 0);
    HWND w = MakeMain();
    ASSERT_TRUE(w);
    Solid(w, control, 10, 10, 40, 40);
    ShowWindow(w, SW_SHOW);
    FlushEvents();
    ASSERT_NE(0, F.SkinWindow(w, "Close"));
    FlushEvents();
    HWND region = F.GetDWMregion(w);
    ASSERT_TRUE(region);
    EXPECT_TRUE(IsWindowVisible(region));
    EXPECT_EQ(GetWindow(w, GW_HWNDNEXT), region);
    EXPECT_EQ(ScreenPixel(500, 400), regionColour);
    EXPECT_EQ(ScreenPixel(130, 150), control);
    DestroyWindow(w);
}
