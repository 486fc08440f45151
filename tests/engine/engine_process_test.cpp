// The real Orvane.exe under Wine, driven as the controller drives it: found
// by class and title, commanded with WM_SETTEXT, its notification received by
// a window of this test. One engine process serves all cases in order; its
// diagnostics (frames rendered, level, strongest band, plug-in loaded) are
// read from its window's user data and extra bytes.
#include <gtest/gtest.h>
#include <stdio.h>
#include <string>
#include <vector>
#include "stage.h"
#include "engine_state.h"
#include "engine_audio.h"

struct EngineRun {
    PROCESS_INFORMATION process;
    HWND engine;
    HWND controller;
    UINT notifyMessage;
    std::vector<WPARAM> notifications;
};
static EngineRun Session;

static LRESULT CALLBACK ControllerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (Session.notifyMessage && message == Session.notifyMessage) Session.notifications.push_back(wParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

// Handles this thread's messages until done() holds or the bound runs out.
template <class Done> static bool PumpUntil(Done done, DWORD boundMs = 20000)
{
    DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > boundMs) return false;
        MSG msg;
        while (PeekMessageA(&msg, 0, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        Sleep(10);
    }
    return true;
}

// The engine as the controller sends to it: blocking, answered when handled.
static bool SendCommand(const std::string &text)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(Session.engine, WM_SETTEXT, 0, (LPARAM)text.c_str(), SMTO_NORMAL, 30000,
                               &result) != 0;
}

static LONG Diagnostic(int offset)
{
    return GetWindowLongA(Session.engine, offset);
}
static LONG_PTR FramesRendered()
{
    return GetWindowLongPtrA(Session.engine, GWLP_USERDATA);
}

static std::string PluginPath()
{
    return StagePath("VumoPlugin\\Vortiq.dll");
}

class EngineProcess : public ::testing::Test
{
  protected:
    static void SetUpTestSuite()
    {
        Session.notifyMessage = RegisterWindowMessageA("Orvanenotification");
        WNDCLASSA wc = {};
        wc.lpfnWndProc = ControllerProc;
        wc.hInstance = GetModuleHandleA(0);
        wc.lpszClassName = "ENGINETESTCONTROLLER";
        RegisterClassA(&wc);
        Session.controller =
            CreateWindowExA(0, wc.lpszClassName, "controller", WS_POPUP, 0, 0, 10, 10, 0, 0, wc.hInstance, 0);
        // started as the controller starts it: the plug-in path unquoted
        std::string program = StagePath("Orvane.exe");
        std::string line = "\"" + program + "\" " + PluginPath();
        std::vector<char> buffer(line.begin(), line.end());
        buffer.push_back(0);
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        si.dwFlags = STARTF_USESHOWWINDOW;
        si.wShowWindow = SW_SHOWNOACTIVATE;
        if (!CreateProcessA(program.c_str(), buffer.data(), 0, 0, FALSE, 0, 0, StagePath("").c_str(), &si,
                            &Session.process))
            return;
        PumpUntil(
            [] {
                HWND w = FindWindowA("ORVANEHOST", "ORVANEHOST");
                DWORD pid = 0;
                if (w) GetWindowThreadProcessId(w, &pid);
                if (w && pid == Session.process.dwProcessId) Session.engine = w;
                return Session.engine != 0;
            },
            60000);
        // a first command is answered only once start-up (the plug-in load) is over
        if (Session.engine) SendCommand("");
    }
    static void TearDownTestSuite()
    {
        if (Session.process.hProcess && WaitForSingleObject(Session.process.hProcess, 0) == WAIT_TIMEOUT) {
            SendCommand("DESTROY");
            if (WaitForSingleObject(Session.process.hProcess, 20000) != WAIT_OBJECT_0)
                TerminateProcess(Session.process.hProcess, 1);
        }
        if (Session.process.hProcess) CloseHandle(Session.process.hProcess);
        if (Session.process.hThread) CloseHandle(Session.process.hThread);
        DestroyWindow(Session.controller);
    }
    void SetUp() override
    {
        ASSERT_NE(Session.engine, nullptr) << "no ORVANEHOST window of the started engine";
    }
};

TEST_F(EngineProcess, WindowIsHiddenAndHoldsThePluginOfTheCommandLine)
{
    char text[64] = {};
    GetClassNameA(Session.engine, text, sizeof text);
    EXPECT_STREQ(text, "ORVANEHOST");
    GetWindowTextA(Session.engine, text, sizeof text);
    EXPECT_STREQ(text, "ORVANEHOST");
    EXPECT_FALSE(IsWindowVisible(Session.engine));
    EXPECT_EQ(Diagnostic(ENGINE_EXTRA_PLUGIN), 1) << "Vortiq.dll from the command line not loaded";
    // hidden: nothing is rendered
    EXPECT_EQ(FramesRendered(), 0);
}

TEST_F(EngineProcess, MalformedCommandsAreIgnoredSafely)
{
    const std::string texts[] = {"",
                                 "PARENT,",
                                 "PARENT,abc",
                                 "PARENT, 99999999999, 1010",
                                 "PARENT, -5, 1010",
                                 "PARENT, 12x, 1010",
                                 "parent, 1, 1010",
                                 "PLAY",
                                 "PLUGINX",
                                 "STOPPED",
                                 "destroy",
                                 "DESTROY ",
                                 std::string(600, 'X'),
                                 "PLAY," + std::string(700, 'a'),
                                 "PLUGIN," + std::string(700, 'b')};
    for (const std::string &t : texts) {
        EXPECT_TRUE(SendCommand(t)) << t.substr(0, 40);
        EXPECT_TRUE(IsWindow(Session.engine)) << t.substr(0, 40);
    }
    char title[64] = {};
    GetWindowTextA(Session.engine, title, sizeof title);
    EXPECT_STREQ(title, "ORVANEHOST") << "a command must not become the title";
    // the over-long PLUGIN, unloaded Vortiq and loaded nothing
    EXPECT_EQ(Diagnostic(ENGINE_EXTRA_PLUGIN), 0);
    EXPECT_EQ(WaitForSingleObject(Session.process.hProcess, 0), (DWORD)WAIT_TIMEOUT);
}

TEST_F(EngineProcess, UserEndingTheVisualNotifiesTheController)
{
    char parent[64];
    snprintf(parent, sizeof parent, "PARENT, %u, 1010", (unsigned)(UINT_PTR)Session.controller);
    ASSERT_TRUE(SendCommand(parent));
    // later malformed announcements keep the controller learnt here
    ASSERT_TRUE(SendCommand("PARENT,abc"));
    ASSERT_TRUE(SendCommand("PARENT, 4294967296, 1010"));
    struct Action {
        const char *what;
        UINT message;
        WPARAM wParam;
    };
    const Action actions[] = {{"Escape", WM_KEYDOWN, VK_ESCAPE},
                              {"double click", WM_LBUTTONDBLCLK, MK_LBUTTON},
                              {"close", WM_CLOSE, 0}};
    std::vector<WPARAM> expected;
    Session.notifications.clear();
    for (const Action &a : actions) {
        ShowWindow(Session.engine, SW_SHOWNOACTIVATE);
        PostMessageA(Session.engine, a.message, a.wParam, 0);
        expected.push_back(ENGINE_NOTIFY_VISUAL_OFF);
        size_t want = expected.size();
        EXPECT_TRUE(PumpUntil([want] { return Session.notifications.size() >= want; })) << a.what;
    }
    EXPECT_EQ(Session.notifications, expected);
    // the close hid the window and left the engine running
    EXPECT_FALSE(IsWindowVisible(Session.engine));
    EXPECT_TRUE(IsWindow(Session.engine));
}

TEST_F(EngineProcess, PluginIsLoadedSwitchedAndRenderedWhileVisible)
{
    struct Step {
        std::string command;
        LONG loaded;
    };
    const Step steps[] = {{"PLUGIN," + PluginPath(), 1},
                          {"PLUGIN," + StagePath("VumoPlugin\\"), 0},
                          {"PLUGIN," + StagePath("VumoPlugin\\Missing.dll"), 0},
                          {"PLUGIN," + StagePath("Orvane.exe"), 0},
                          {"PLUGIN," + PluginPath(), 1}};
    for (const Step &s : steps) {
        ASSERT_TRUE(SendCommand(s.command));
        EXPECT_EQ(Diagnostic(ENGINE_EXTRA_PLUGIN), s.loaded) << s.command;
    }
    LONG_PTR before = FramesRendered();
    SetWindowPos(Session.engine, HWND_TOP, 0, 0, 200, 150, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    EXPECT_TRUE(PumpUntil([before] { return FramesRendered() >= before + 5; }))
        << "frames rendered: " << FramesRendered() - before;
    ShowWindow(Session.engine, SW_HIDE);
}

TEST_F(EngineProcess, PlayGivesTheToneSpectrumAndStopSilence)
{
    std::string wav = EngineWorkPath("engine-tone.wav");
    const double amplitude[1] = {0.5};
    ASSERT_TRUE(WriteSineWave(wav, 22050, 1, amplitude, BandFrequency(40, 22050), 30));
    struct Case {
        std::string command;
        LONG peakBand; // strongest band + 1, 0 for silence
        bool loud;
    };
    const Case cases[] = {
        {"PLAY," + wav, 41, true},
        {"STOP", 0, false},
        {"PLAY," + EngineWorkPath("tone.mp3"), 21, true},
        {"PLAY," + EngineWorkPath("missing.mp3"), 0, false},
        {"PLAY," + wav, 41, true},
        {"PLAY," + EngineWorkPath(""), 0, false},
        {"PLAY," + wav, 41, true},
        {"STOP", 0, false},
    };
    for (const Case &c : cases) {
        ASSERT_TRUE(SendCommand(c.command));
        SCOPED_TRACE(c.command);
        // an MP3 begins with its encoder's few silent milliseconds: wait for the tone
        if (c.loud) PumpUntil([&c] { return Diagnostic(ENGINE_EXTRA_PEAK) == c.peakBand; }, 5000);
        EXPECT_EQ(Diagnostic(ENGINE_EXTRA_PEAK), c.peakBand);
        if (c.loud)
            EXPECT_GT(Diagnostic(ENGINE_EXTRA_LEVEL), 25000);
        else
            EXPECT_EQ(Diagnostic(ENGINE_EXTRA_LEVEL), 0);
    }
}

TEST_F(EngineProcess, DestroyEndsTheEngine)
{
    // "DESTROY" destroys the window inside the send, so the send may fail
    SendCommand("DESTROY");
    ASSERT_EQ(WaitForSingleObject(Session.process.hProcess, 30000), (DWORD)WAIT_OBJECT_0);
    DWORD code = 1;
    GetExitCodeProcess(Session.process.hProcess, &code);
    EXPECT_EQ(code, 0u);
    EXPECT_FALSE(IsWindow(Session.engine));
}
