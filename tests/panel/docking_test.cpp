// Docking against the recording engine window: its moves, shows and hides
// as the window itself receives them, interleaved with the commands it is
// sent, and its place in the Z order.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include <vector>
#include "engine_recorder.h"
#include "panel_window.h"
#include "recording_outside.h"
#include "controller/docking.h"
#include "controller/engine_link.h"

// What the engine window saw, in order: "place x,y wxh", "show", "hide",
// and "text <command>".
static std::vector<std::string> Seen;
static WNDPROC RecorderProc;

static LRESULT CALLBACK SeeingProc(HWND w, UINT m, WPARAM wp, LPARAM lp)
{
    if (m == WM_WINDOWPOSCHANGED) {
        const WINDOWPOS *p = (const WINDOWPOS *)lp;
        if ((p->flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE)) {
            RECT r;
            GetWindowRect(w, &r);
            Seen.push_back("place " + std::to_string(r.left) + "," + std::to_string(r.top) + " " +
                           std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top));
        }
        if (p->flags & SWP_SHOWWINDOW) Seen.push_back("show");
        if (p->flags & SWP_HIDEWINDOW) Seen.push_back("hide");
    }
    if (m == WM_SETTEXT && lp) Seen.push_back(std::string("text ") + (const char *)lp);
    return CallWindowProcA(RecorderProc, w, m, wp, lp);
}

static HWND OpenTopLevel(const char *title)
{
    return CreateWindowExA(0, "PANELTESTMAIN", title, WS_POPUP, 0, 0, 20, 20, NULL, NULL,
                           GetModuleHandleA(NULL), NULL);
}

static void Insets(int left, int top, int right, int bottom)
{
    OutsideReturns["skGetSystemMetrics(27)"] = left;
    OutsideReturns["skGetSystemMetrics(28)"] = top;
    OutsideReturns["skGetSystemMetrics(29)"] = right;
    OutsideReturns["skGetSystemMetrics(30)"] = bottom;
}

class Docking : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ResetOutside();
        Insets(8, 30, 8, 8);
        ASSERT_TRUE(OpenPanelMainWindow(100, 100, 800, 614));
        RECT r;
        GetWindowRect(MainWindow, &r);
        ASSERT_EQ(r.left, 100);
        ASSERT_EQ(r.bottom, 714);
    }
    void TearDown() override
    {
        for (HWND w : others)
            DestroyWindow(w);
        if (engine) DestroyWindow(engine);
        ClosePanelMainWindow();
    }
    // The recording engine window, already known to the link (so that the
    // discovery's own docking and "PARENT," are out of the way).
    void StartEngine(bool known)
    {
        engine = OpenEngineRecorder();
        ASSERT_TRUE(engine);
        RecorderProc = (WNDPROC)SetWindowLongPtrA(engine, GWLP_WNDPROC, (LONG_PTR)SeeingProc);
        if (known) {
            ASSERT_EQ(FindEngineWindow(), engine);
        }
        Seen.clear();
        OutsideCalls.clear();
    }
    HWND Other(const char *title)
    {
        HWND w = OpenTopLevel(title);
        others.push_back(w);
        return w;
    }
    std::string Parent()
    {
        return "text PARENT, " + std::to_string((unsigned long)(UINT_PTR)MainWindow) + ", 1010";
    }
    HWND engine = 0;
    std::vector<HWND> others;
};

static const std::vector<std::string> DOCK_CALLS = {"skGetSystemMetrics(27)", "skGetSystemMetrics(28)",
                                                    "skGetSystemMetrics(29)", "skGetSystemMetrics(30)",
                                                    "skGetDWMregion(main)"};

TEST_F(Docking, EachActionAsTheEngineWindowSeesIt)
{
    StartEngine(false);
    struct Step {
        const char *action;
        std::vector<std::string> seen;
    };
    const Step steps[] = {
        // the first docking discovers the engine: docked, then announced
        {"dock", {"place 108,130 784x576", Parent()}},
        {"show",
         {"place 108,-2000 784x2706", "place 108,130 784x576", "text PLAY,C:\\Music\\a b.mp3", "show"}},
        {"hide", {"hide", "text STOP"}},
        // hidden, it still follows the main window
        {"move", {"place 208,180 784x576"}},
        {"show",
         {"place 208,-2000 784x2756", "place 208,180 784x576", "text PLAY,C:\\Music\\a b.mp3", "show"}},
        {"no insets", {"place 200,150 800x614"}},
    };
    for (const Step &s : steps) {
        SCOPED_TRACE(s.action);
        Seen.clear();
        std::string a = s.action;
        if (a == "dock") DockEngineWindow();
        if (a == "show") ShowVisual("C:\\Music\\a b.mp3");
        if (a == "hide") HideVisual();
        if (a == "move") {
            MoveWindow(MainWindow, 200, 150, 800, 614, FALSE);
            DockEngineWindow();
        }
        if (a == "no insets") {
            Insets(0, 0, 0, 0);
            DockEngineWindow();
        }
        EXPECT_TRUE(SameCalls(s.seen, Seen));
        EXPECT_EQ(IsWindowVisible(engine) != 0, a == "show" || a == "no insets");
    }
}

TEST_F(Docking, InsetsAreReadInOrderAndShowVisualSkipsTheTopOne)
{
    StartEngine(true);
    DockEngineWindow();
    EXPECT_TRUE(SameCalls(DOCK_CALLS, OutsideCalls));
    OutsideCalls.clear();
    ShowVisual("C:\\a.mp3");
    std::vector<std::string> show = {"skGetSystemMetrics(27)", "skGetSystemMetrics(29)",
                                     "skGetSystemMetrics(30)", "skGetDWMregion(main)"};
    show.insert(show.end(), DOCK_CALLS.begin(), DOCK_CALLS.end());
    EXPECT_TRUE(SameCalls(show, OutsideCalls));
}

TEST_F(Docking, TheEngineWindowGoesBehindTheWindowAfterTheAnchor)
{
    StartEngine(true);
    // Z order from the top: engine, main, follower (then whatever else)
    HWND follower = Other("follower");
    SetWindowPos(follower, MainWindow, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(engine, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_EQ(GetWindow(MainWindow, GW_HWNDNEXT), follower);

    DockEngineWindow(); // no region window: the main window is the anchor
    EXPECT_EQ(GetWindow(MainWindow, GW_HWNDNEXT), follower);
    EXPECT_EQ(GetWindow(follower, GW_HWNDNEXT), engine);

    // with a region window, the engine goes behind the window after it
    HWND region = Other("region"), behind = Other("behind region");
    SetWindowPos(region, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(behind, region, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    OutsideReturns["skGetDWMregion"] = (int)(INT_PTR)region;
    DockEngineWindow();
    EXPECT_EQ(GetWindow(region, GW_HWNDNEXT), behind);
    EXPECT_EQ(GetWindow(behind, GW_HWNDNEXT), engine);
}

TEST_F(Docking, WithNothingBehindTheAnchorTheEngineGoesToTheBottom)
{
    StartEngine(true);
    HWND region = Other("region");
    SetWindowPos(region, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_EQ(GetWindow(region, GW_HWNDNEXT), (HWND)0);
    OutsideReturns["skGetDWMregion"] = (int)(INT_PTR)region;
    DockEngineWindow();
    EXPECT_EQ(GetWindow(region, GW_HWNDNEXT), engine) << "not lifted over the controller";
    EXPECT_NE(GetWindow(engine, GW_HWNDFIRST), engine);
}

TEST_F(Docking, WithoutAnEngineNothingMovesUntilItExists)
{
    HWND bystander = Other("bystander");
    MoveWindow(bystander, 5, 6, 70, 80, FALSE);
    DockEngineWindow();
    ShowVisual("C:\\a.mp3");
    HideVisual();
    RECT r;
    GetWindowRect(bystander, &r);
    EXPECT_EQ(r.left, 5);
    EXPECT_EQ(r.top, 6);
    EXPECT_EQ(FindEngineWindow(), (HWND)0);
    // once the engine window exists, the next docking finds and places it
    StartEngine(false);
    DockEngineWindow();
    EXPECT_TRUE(SameCalls({"place 108,130 784x576", Parent()}, Seen));
}
