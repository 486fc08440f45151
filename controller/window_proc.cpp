// The main window's procedure: user actions and engine notifications turn
// into engine commands, docking steps and image-panel operations.
#include "window_proc.h"
#include "controller_state.h"
#include "docking.h"
#include "engine_link.h"
#include "image_panel.h"
#include "outside/pictora.h"
#include "outside/velvane.h"
#include "../common/bounded_text.h"
#include <commctrl.h>
#include <windowsx.h>

static const WPARAM VISUAL_OFF = (WPARAM)-80; // the engine left its visual
static const UINT REGION_REORDER =
    SWP_NOSIZE | SWP_NOMOVE | SWP_NOOWNERZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW;

static bool IsChecked(HWND window, int id)
{
    return SendMessageA(GetDlgItem(window, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// The selected entry of a drop-down list; empty when nothing can be read.
static void SelectedItem(HWND window, int id, char item[TEXT_SIZE])
{
    HWND list = GetDlgItem(window, id);
    LRESULT index = SendMessageA(list, CB_GETCURSEL, 0, 0);
    LRESULT length = SendMessageA(list, CB_GETLBTEXTLEN, (WPARAM)index, 0);
    // CB_GETLBTEXT takes no buffer size: a longer item is not read at all
    if (length >= 0 && length < TEXT_SIZE) SendMessageA(list, CB_GETLBTEXT, (WPARAM)index, (LPARAM)item);
}

static void FolderPath(char path[TEXT_SIZE], const char *folder, const char *item)
{
    CopyText(path, TEXT_SIZE, folder);
    AppendText(path, TEXT_SIZE, item);
}

static void OnVisualOff(HWND window)
{
    SendMessageA(GetDlgItem(window, IDC_USE_PLUGIN), BM_SETCHECK, BST_UNCHECKED, 0);
    HideVisual();
    HWND region = skGetDWMregion(window);
    if (region) {
        SetWindowPos(region, GetWindow(window, GW_HWNDNEXT), 0, 0, 0, 0, REGION_REORDER);
        SetFocus(window);
    }
}

static void OnGaugeTurn(HWND window, const NMHDR *turn)
{
    int angle = (int)turn->code;
    ZD_SetObjectAngle(PictureObjectId, angle, 1);
    int others[2];
    switch (turn->idFrom) {
    case IDC_GAUGE1: others[0] = IDC_GAUGE2, others[1] = IDC_GAUGE3; break;
    case IDC_GAUGE2: others[0] = IDC_GAUGE1, others[1] = IDC_GAUGE3; break;
    default: others[0] = IDC_GAUGE2, others[1] = IDC_GAUGE1; break;
    }
    for (int id : others)
        skGaugeSetPos(GetDlgItem(window, id), angle, 1);
}

static void OnSelectImage(HWND window)
{
    int dw = skCreateDW(window);
    BSTR path = ZI_LoadDialog(window);
    skDestroyDW(&dw);
    // the library hands back 8-bit text in the string's bytes
    if (path && SysStringByteLen(path) > 0) {
        char picture[TEXT_SIZE] = {};
        CopyText(picture, sizeof picture, (const char *)path);
        LoadPicture(picture);
    }
    if (path) SysFreeString(path);
}

static void OnTransparent(HWND window)
{
    if (IsChecked(window, IDC_TRANSPARENT))
        ZI_UseVelvanebackground(ImageControl, 0, 1);
    else
        ZI_UseVelvanebackground(ImageControl, 1, 1);
    SetFocus(ImageControl);
}

static void OnUsePlugin(HWND window, char item[TEXT_SIZE])
{
    HWND region = skGetDWMregion(window);
    if (IsChecked(window, IDC_USE_PLUGIN)) {
        SelectedItem(window, IDC_AUDIO_LIST, item);
        if (region) ShowWindow(region, SW_HIDE);
        char path[TEXT_SIZE];
        FolderPath(path, AudioFolder, item);
        ShowVisual(path);
    } else {
        if (region) ShowWindow(region, SW_SHOW);
        HideVisual();
    }
    SetFocus(ImageControl);
}

static void OnMusicChosen(HWND window, char item[TEXT_SIZE])
{
    if (!IsChecked(window, IDC_USE_PLUGIN)) return;
    SelectedItem(window, IDC_AUDIO_LIST, item);
    char path[TEXT_SIZE];
    FolderPath(path, AudioFolder, item);
    SendPlay(path);
    SetFocus(ImageControl);
}

static void OnPluginChosen(HWND window, char item[TEXT_SIZE])
{
    SelectedItem(window, IDC_PLUGIN_LIST, item);
    char path[TEXT_SIZE];
    FolderPath(path, PluginFolder, item);
    SendPlugin(path);
    SetFocus(ImageControl);
}

static void OnCommand(HWND window, WPARAM wParam)
{
    char item[TEXT_SIZE] = {};
    int id = (short)LOWORD(wParam);
    UINT notification = (UINT)(wParam >> 16);
    switch (id) {
    case IDC_SELECT_IMAGE: OnSelectImage(window); break;
    case IDC_TRANSPARENT: OnTransparent(window); break;
    case IDC_USE_PLUGIN: OnUsePlugin(window, item); break;
    case IDC_AUDIO_LIST:
        if (notification == CBN_SELENDOK) OnMusicChosen(window, item);
        break;
    case IDC_PLUGIN_LIST:
        if (notification == CBN_SELENDOK) OnPluginChosen(window, item);
        break;
    }
}

static void OnZoom(HWND trackbar)
{
    ApplyZoom((int)SendMessageA(trackbar, TBM_GETPOS, 0, 0));
}

static void OnClose(HWND window)
{
    HWND region = skGetDWMregion(window);
    if (region) MoveWindow(region, 0, 0, 0, 0, TRUE);
}

static void OnDestroy()
{
    SendDestroy();
    PostQuitMessage(0);
}

extern "C" LRESULT WINAPI MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // CreateWindowExA sends its first messages before start-up holds the
    // handle; the engine may be discovered by one of them
    if (!MainWindow) MainWindow = window;
    if (message == EngineNotifyMessage && EngineNotifyMessage != 0) {
        if ((int)wParam == (int)VISUAL_OFF) OnVisualOff(window);
    } else {
        switch (message) {
        case WM_NOTIFY: {
            const NMHDR *turn = (const NMHDR *)lParam;
            if (turn &&
                (turn->idFrom == IDC_GAUGE1 || turn->idFrom == IDC_GAUGE2 || turn->idFrom == IDC_GAUGE3))
                OnGaugeTurn(window, turn);
            break;
        }
        case WM_SIZE:
        case WM_MOVE:
        case WM_WINDOWPOSCHANGED:
        case WM_IME_NOTIFY:
            if (FindEngineWindow()) DockEngineWindow();
            break;
        case WM_COMMAND: OnCommand(window, wParam); break;
        case WM_VSCROLL:
            if (lParam && GetDlgCtrlID((HWND)lParam) == IDC_ZOOM) OnZoom((HWND)lParam);
            break;
        case WM_CLOSE: OnClose(window); break;
        case WM_DESTROY: OnDestroy(); return 0;
        }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
