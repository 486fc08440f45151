// Recording doubles of the skin engine and the image library, linked into
// test programs in place of VELVANE.DLL and PICTORA.DLL. Every call is logged
// as text, "name(arg, arg ...)", with windows named by their control id
// ("main", "#1002", "0"); results and out values are what the test set.
#pragma once
#include <windows.h>
#include <oleauto.h>
#include <stdio.h>
#include <deque>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>
#include "controller/controller_state.h"
#include "controller/outside/pictora.h"
#include "controller/outside/velvane.h"

extern std::vector<std::string> OutsideCalls;                           // the log, in call order
extern std::map<std::string, int> OutsideReturns;                       // result by operation, 0 if unset
extern std::map<std::string, std::deque<std::vector<int>>> OutsideOuts; // out values, one set per call
extern std::map<std::string, std::string> OutsideTexts;                 // BSTR results (ZI_LoadDialog)
extern bool OutsideWidgetsAreWindows; // widget calls make real child windows

inline std::string WindowName(HWND h)
{
    if (!h) return "0";
    if (h == MainWindow) return "main";
    int id = GetDlgCtrlID(h);
    if (id && GetParent(h) == MainWindow) return "#" + std::to_string(id);
    char text[32];
    snprintf(text, sizeof text, "%p", (void *)h);
    return text;
}

struct CallText {
    std::string text;
    int count = 0;
    explicit CallText(const char *name) : text(std::string(name) + "(") {}
    void Add(const std::string &s) { text += (count++ ? ", " : "") + s; }
    void Number(int v) { Add(std::to_string(v)); }
    void Real(float v)
    {
        char t[32];
        snprintf(t, sizeof t, "%.9g", v);
        Add(t);
    }
    void Text(const char *s) { Add(s ? "\"" + std::string(s) + "\"" : "NULL"); }
    void Window(HWND h) { Add(WindowName(h)); }
    void Bitmap(HBITMAP b) { Add(b ? "bitmap" + std::to_string((int)(INT_PTR)b) : "0"); }
    void Out() { Add("&"); }
};

inline void RecordCall(CallText &call)
{
    OutsideCalls.push_back(call.text + ")");
}

// The result set for this exact call ("skGetSystemMetrics(27)"), else for
// the operation ("skGetSystemMetrics"), else 0.
inline int ReturnValue(const CallText &call, const char *name)
{
    auto it = OutsideReturns.find(call.text + ")");
    if (it == OutsideReturns.end()) it = OutsideReturns.find(name);
    return it == OutsideReturns.end() ? 0 : it->second;
}

inline void FillOut(const char *name, CallText &, std::initializer_list<int *> outs)
{
    auto it = OutsideOuts.find(name);
    std::vector<int> values;
    if (it != OutsideOuts.end() && !it->second.empty()) {
        values = it->second.front();
        if (it->second.size() > 1) it->second.pop_front(); // the last set repeats
    }
    size_t k = 0;
    for (int *p : outs) {
        if (p) *p = k < values.size() ? values[k] : 0;
        ++k;
    }
}

// Widgets become real STATIC children with their id, so that GetDlgItem
// finds them; other window results come from OutsideReturns.
inline HWND ReturnWindow(const CallText &call, const char *name, HWND parent, int id)
{
    if (OutsideWidgetsAreWindows && id)
        return CreateWindowExA(0, "STATIC", name, WS_CHILD, 0, 0, 1, 1, parent, (HMENU)(INT_PTR)id, NULL,
                               NULL);
    return (HWND)(INT_PTR)ReturnValue(call, name);
}

inline BSTR ReturnText(const char *name)
{
    auto it = OutsideTexts.find(name);
    std::string s = it == OutsideTexts.end() ? "" : it->second;
    return SysAllocStringByteLen(s.c_str(), (UINT)s.size());
}

inline void ResetOutside()
{
    OutsideCalls.clear();
    OutsideReturns.clear();
    OutsideOuts.clear();
    OutsideTexts.clear();
    OutsideWidgetsAreWindows = true;
}

// Compares a call log with the expected one and prints both side by side.
inline ::testing::AssertionResult SameCalls(const std::vector<std::string> &expected,
                                            const std::vector<std::string> &actual)
{
    bool same = expected == actual;
    if (same) return ::testing::AssertionSuccess();
    std::string table = "\n  expected | actual\n";
    for (size_t k = 0; k < expected.size() || k < actual.size(); ++k) {
        std::string e = k < expected.size() ? expected[k] : "-", a = k < actual.size() ? actual[k] : "-";
        table += (e == a ? "  " : "! ") + e + " | " + a + "\n";
    }
    return ::testing::AssertionFailure() << table;
}
