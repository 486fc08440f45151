// Start-up of the real Tessaro.exe: each test copies the program, the two
// stand-in libraries and the pictures into a scratch program folder whose
// path has blanks, puts a recording Orvane.exe beside them, starts Tessaro
// with another working folder and watches what happens from outside.
#include <gtest/gtest.h>
#include <windows.h>
#include <fstream>
#include <set>
#include <string>
#include <vector>
#include "recording_outside.h" // SameCalls: expected beside actual
#include "stage.h"

static const char MAIN_CLASS[] = "TESSAROMAIN";
static const int MAIN_WIDTH = 800, MAIN_HEIGHT = 614;
static const int INSET_LEFT = 8, INSET_TOP = 30, INSET_RIGHT = 8, INSET_BOTTOM = 8; // Corvel.sks

static std::string WorkFolder()
{
    std::string p = std::string(TEST_WORK_DIR) + "\\startup\\";
    for (char &c : p)
        if (c == '/') c = '\\';
    return p;
}

static std::string ProgramFolder()
{
    return WorkFolder() + "Program Folder\\";
}

static void DeleteTree(const std::string &folder)
{
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((folder + "*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = entry.cFileName;
            if (name == "." || name == "..") continue;
            std::string path = folder + name;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                DeleteTree(path + "\\");
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryA(folder.c_str());
}

static bool Copy(const std::string &from, const std::string &to)
{
    return CopyFileA(from.c_str(), to.c_str(), FALSE) != 0;
}

static bool CopyFolderFiles(const std::string &from, const std::string &to)
{
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((from + "*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return false;
    bool ok = true;
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            ok = Copy(from + entry.cFileName, to + entry.cFileName) && ok;
    } while (FindNextFileA(find, &entry));
    FindClose(find);
    return ok;
}

struct Staging {
    bool skin;   // Corvel.sks at the folder's root
    bool plugin; // VumoPlugin\Vortiq.dll
};

static bool StageProgramFolder(const Staging &s)
{
    std::string root = ProgramFolder();
    DeleteTree(root);
    CreateDirectoryA(WorkFolder().c_str(), NULL);
    bool ok = CreateDirectoryA(root.c_str(), NULL) != 0;
    for (const char *sub : {"Resource\\", "Audio\\", "VumoPlugin\\"})
        ok = CreateDirectoryA((root + sub).c_str(), NULL) && ok;
    for (const char *file : {"Tessaro.exe", "VELVANE.dll", "PICTORA.dll"})
        ok = Copy(StagePath(file), root + file) && ok;
    ok = Copy(TEST_ENGINE_PATH, root + "Orvane.exe") && ok;
    ok = CopyFolderFiles(StagePath("Resource\\"), root + "Resource\\") && ok;
    ok = CopyFolderFiles(StagePath("Audio\\"), root + "Audio\\") && ok;
    if (s.skin) ok = Copy(StagePath("Corvel.sks"), root + "Corvel.sks") && ok;
    if (s.plugin) ok = Copy(StagePath("VumoPlugin\\Vortiq.dll"), root + "VumoPlugin\\Vortiq.dll") && ok;
    return ok;
}

static std::vector<std::string> ReadLines(const std::string &path)
{
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

static std::vector<std::string> EngineStarts()
{
    return ReadLines(ProgramFolder() + "engine-start.txt");
}
static std::vector<std::string> EngineCommands()
{
    return ReadLines(ProgramFolder() + "engine-commands.txt");
}

struct EngineStart {
    std::string program, parameters, working;
};

// "command line|working folder", the command line split after the program.
static EngineStart SplitStart(const std::string &line)
{
    EngineStart s;
    size_t bar = line.rfind('|');
    std::string command = line.substr(0, bar);
    s.working = bar == std::string::npos ? "" : line.substr(bar + 1);
    size_t end = command[0] == '"' ? command.find('"', 1) + 1 : command.find(' ');
    if (end == std::string::npos || end == 0) end = command.size();
    s.program = command.substr(0, end);
    s.parameters = end < command.size() ? command.substr(end + 1) : "";
    return s;
}

static std::string Lower(std::string s)
{
    CharLowerBuffA(&s[0], (DWORD)s.size());
    return s;
}

struct FindWindowOf {
    DWORD pid;
    const char *cls;
    HWND found;
};

static BOOL CALLBACK MatchWindow(HWND w, LPARAM lp)
{
    FindWindowOf *f = (FindWindowOf *)lp;
    DWORD pid = 0;
    char cls[64] = {};
    GetWindowThreadProcessId(w, &pid);
    GetClassNameA(w, cls, sizeof cls);
    if ((f->pid == 0 || pid == f->pid) && lstrcmpiA(cls, f->cls) == 0) {
        f->found = w;
        return FALSE;
    }
    return TRUE;
}

static HWND TopWindowOf(DWORD pid, const char *cls)
{
    FindWindowOf f = {pid, cls, 0};
    EnumWindows(MatchWindow, (LPARAM)&f);
    return f.found;
}

// Visible top-level windows of the watched process, sampled while tests
// wait (Wine sends no window events across processes).
static DWORD WatchedProcess;
static std::set<HWND> ShownWindows;

static BOOL CALLBACK NoteShownWindow(HWND w, LPARAM)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == WatchedProcess && IsWindowVisible(w)) ShownWindows.insert(w);
    return TRUE;
}

// Pumps this thread's messages and watches the process's windows until done.
template <class Done> static bool PumpUntil(Done done, DWORD boundMs = 60000)
{
    DWORD start = GetTickCount();
    for (;;) {
        if (WatchedProcess) EnumWindows(NoteShownWindow, 0);
        if (done()) return true;
        if (GetTickCount() - start > boundMs) return false;
        MSG msg;
        while (PeekMessageA(&msg, 0, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        Sleep(10);
    }
}

static bool Centred(HWND w)
{
    RECT r = {};
    GetWindowRect(w, &r);
    int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    return r.left == (sw - MAIN_WIDTH) / 2 && r.top == (sh - MAIN_HEIGHT) / 2 &&
           r.right - r.left == MAIN_WIDTH && r.bottom - r.top == MAIN_HEIGHT;
}

class Startup : public ::testing::Test
{
  protected:
    void TearDown() override
    {
        for (PROCESS_INFORMATION &p : started) {
            HWND main = TopWindowOf(p.dwProcessId, MAIN_CLASS);
            if (main) PostMessageA(main, WM_CLOSE, 0, 0);
            if (WaitForSingleObject(p.hProcess, 30000) != WAIT_OBJECT_0) TerminateProcess(p.hProcess, 1);
            CloseHandle(p.hProcess);
            CloseHandle(p.hThread);
        }
        // an engine left behind by a failed test must not meet the next one
        while (HWND engine = TopWindowOf(0, "ORVANEHOST")) {
            DWORD pid = 0;
            GetWindowThreadProcessId(engine, &pid);
            HANDLE h = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
            if (!h) break;
            TerminateProcess(h, 1);
            WaitForSingleObject(h, 10000);
            CloseHandle(h);
        }
    }

    // Starts the staged Tessaro.exe from the scratch folder above it and
    // watches its windows being shown.
    PROCESS_INFORMATION Start()
    {
        std::string program = ProgramFolder() + "Tessaro.exe";
        std::string command = "\"" + program + "\"";
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        PROCESS_INFORMATION p = {};
        if (!CreateProcessA(program.c_str(), &command[0], NULL, NULL, FALSE, 0, NULL, WorkFolder().c_str(),
                            &si, &p))
            return p;
        started.push_back(p);
        WatchedProcess = p.dwProcessId;
        ShownWindows.clear();
        return p;
    }

    // Waits until the process's main window stands visible and centred.
    HWND WaitForCentredWindow(DWORD pid)
    {
        HWND main = 0;
        PumpUntil([&] {
            main = TopWindowOf(pid, MAIN_CLASS);
            return main && IsWindowVisible(main) && Centred(main);
        });
        return main;
    }

    bool WaitForEngineStart()
    {
        return PumpUntil([] { return !EngineStarts().empty(); });
    }

    static DWORD ExitCode(const PROCESS_INFORMATION &p)
    {
        DWORD code = STILL_ACTIVE;
        if (PumpUntil([&] { return WaitForSingleObject(p.hProcess, 0) == WAIT_OBJECT_0; }))
            GetExitCodeProcess(p.hProcess, &code);
        return code;
    }

    std::vector<PROCESS_INFORMATION> started;
};

TEST_F(Startup, StartsTheEngineWithThePluginSlidesToTheCentreAndAnnouncesItselfOnce)
{
    ASSERT_TRUE(StageProgramFolder({true, true}));
    PROCESS_INFORMATION p = Start();
    ASSERT_TRUE(p.hProcess);
    ASSERT_TRUE(WaitForEngineStart());
    HWND main = WaitForCentredWindow(p.dwProcessId);
    ASSERT_TRUE(main) << "no main window";
    EXPECT_TRUE(Centred(main));
    char title[64] = {};
    GetWindowTextA(main, title, sizeof title);
    EXPECT_STREQ(title, "Tessaro");
    // the skin keeps its region window behind the main window's see-through inner area
    HWND region = TopWindowOf(p.dwProcessId, "VelvaneRegionWindow");
    EXPECT_TRUE(region);
    EXPECT_EQ(ShownWindows, (std::set<HWND>{main, region}))
        << "the watch sees these two windows, and only them";

    // the plug-in path goes unquoted although the folder has blanks; the
    // engine works in the program folder, not in Tessaro's
    std::vector<std::string> starts = EngineStarts();
    ASSERT_EQ(starts.size(), 1u);
    EngineStart s = SplitStart(starts[0]);
    EXPECT_EQ(s.parameters, ProgramFolder() + "VumoPlugin\\Vortiq.dll");
    EXPECT_EQ(Lower(s.working + "\\"), Lower(ProgramFolder()));
    EXPECT_NE(Lower(s.program).find(Lower(ProgramFolder() + "Orvane.exe")), std::string::npos) << s.program;

    // a user's move after the slide: the engine is known by now and follows
    HWND engine = 0;
    ASSERT_TRUE(PumpUntil([&] { return (engine = TopWindowOf(0, "ORVANEHOST")) != 0; }));
    SetWindowPos(main, NULL, 100, 100, MAIN_WIDTH, MAIN_HEIGHT, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT docked = {}, expected = {100 + INSET_LEFT, 100 + INSET_TOP, 100 + MAIN_WIDTH - INSET_RIGHT,
                                  100 + MAIN_HEIGHT - INSET_BOTTOM};
    PumpUntil(
        [&] {
            GetWindowRect(engine, &docked);
            return EqualRect(&docked, &expected) != 0;
        },
        20000);
    EXPECT_EQ(docked.left, expected.left);
    EXPECT_EQ(docked.top, expected.top);
    EXPECT_EQ(docked.right, expected.right);
    EXPECT_EQ(docked.bottom, expected.bottom);

    // closing ends both programs; "PARENT," went once, first, with the real handle
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(ExitCode(p), 0u);
    char parent[64];
    snprintf(parent, sizeof parent, "PARENT, %lu, 1010", (unsigned long)(UINT_PTR)main);
    EXPECT_TRUE(SameCalls({parent, "DESTROY"}, EngineCommands()));
    EXPECT_TRUE(PumpUntil([] { return TopWindowOf(0, "ORVANEHOST") == 0; }, 30000)) << "the engine ended";
}

TEST_F(Startup, WithAnEmptyPluginFolderTheEngineGetsTheBareFolder)
{
    ASSERT_TRUE(StageProgramFolder({true, false}));
    PROCESS_INFORMATION p = Start();
    ASSERT_TRUE(p.hProcess);
    ASSERT_TRUE(WaitForEngineStart());
    std::vector<std::string> starts = EngineStarts();
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(SplitStart(starts[0]).parameters, ProgramFolder() + "VumoPlugin\\");
}

TEST_F(Startup, WithoutTheSkinFileItEndsWithNothingShownAndNoEngine)
{
    ASSERT_TRUE(StageProgramFolder({false, true}));
    PROCESS_INFORMATION p = Start();
    ASSERT_TRUE(p.hProcess);
    EXPECT_EQ(ExitCode(p), 0u);
    EXPECT_TRUE(ShownWindows.empty()) << ShownWindows.size() << " windows shown";
    EXPECT_TRUE(EngineStarts().empty());
    EXPECT_EQ(TopWindowOf(0, "ORVANEHOST"), (HWND)0);
}

TEST_F(Startup, ASecondCopyBringsTheFirstToTheFrontAndEnds)
{
    ASSERT_TRUE(StageProgramFolder({true, true}));
    PROCESS_INFORMATION first = Start();
    ASSERT_TRUE(first.hProcess);
    ASSERT_TRUE(WaitForEngineStart());
    HWND main = WaitForCentredWindow(first.dwProcessId);
    ASSERT_TRUE(main);

    // a window of the test's own stands in front of it first
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = "STARTUPFRONT";
    RegisterClassA(&wc);
    HWND front = CreateWindowExA(0, "STARTUPFRONT", "front", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, NULL,
                                 NULL, wc.hInstance, NULL);
    ASSERT_TRUE(front);

    struct Case {
        const char *what;
        bool minimised;
    };
    const Case cases[] = {{"behind another window", false}, {"minimised", true}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        SetForegroundWindow(front);
        if (c.minimised) {
            ShowWindow(main, SW_MINIMIZE);
            EXPECT_TRUE(PumpUntil([&] { return IsIconic(main) != 0; }, 20000));
        }
        ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == front; }, 20000));
        PROCESS_INFORMATION second = Start();
        ASSERT_TRUE(second.hProcess);
        EXPECT_EQ(ExitCode(second), 0u);
        EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == main && !IsIconic(main); }, 20000))
            << "foreground " << GetForegroundWindow() << ", iconic " << IsIconic(main);
        EXPECT_TRUE(ShownWindows.empty()) << ShownWindows.size() << " windows shown by the second copy";
        EXPECT_EQ(EngineStarts().size(), 1u) << "only the first copy started the engine";
    }
    DestroyWindow(front);
}
