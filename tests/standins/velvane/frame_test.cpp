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
