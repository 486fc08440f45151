// The image control PICTORACTRL on real windows: objects known by id, where
// they are drawn (read back through WM_PRINTCLIENT), the background switch,
// scale, angle, visibility, the anchor modes on resize, the crop rectangle
// and dragging with the mouse, and the picture dialog cancelled.
#include <gtest/gtest.h>

#include <string>

#include "pictora_host.h"
#include "pictora_pixels.h"

static const DWORD RED = 0xFFFF0000, GREEN = 0xFF00FF00, BLUE = 0xFF0000FF;

class PictoraControl : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        session = StartGdiplus();
        ASSERT_TRUE(Pictora().module);
        host = CreateWindowExA(0, "STATIC", "Pictora test host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 520,
                               420, 0, 0, GetModuleHandleA(0), 0);
        control = MakeControl(320, 240);
        ASSERT_TRUE(control != 0);
    }
    void TearDown() override
    {
        DestroyWindow(host); // the controls go with it, and their objects
        StopGdiplus(session);
    }
    HWND MakeControl(int w, int h)
    {
        return CreateWindowExA(0, PICTORA_CLASS, 0, WS_CHILD | WS_VISIBLE, 10, 10, w, h, host, (HMENU)1001,
                               GetModuleHandleA(0), 0);
    }
    int Draw(HWND c, int x, int y, int w, int h, DWORD argb, int id, int style = 0)
    {
        return Pictora().DrawBitmapToCtrl(c, x, y, SolidDib(w, h, argb), Pictora().ColorARGB(255, 0), id,
                                          style);
    }
    GdiplusSession session;
    HWND host, control;
};

TEST_F(PictoraControl, ObjectsAreKnownByIdReplacedAndOwned)
{
    PictoraCalls &c = Pictora();
    int w = -1, h = -1;
    c.GetImageSizeFromControl(control, &w, &h);
    EXPECT_EQ(0, w) << "a control without objects has no picture";

    HBITMAP first = SolidDib(40, 20, RED);
    c.DrawBitmapToCtrl(control, 10, 10, first, c.ColorARGB(255, 0), 1, 0);
    EXPECT_EQ(control, c.GetObjectParent(1));
    c.GetImageSizeFromControl(control, &w, &h);
    EXPECT_EQ(40, w);
    EXPECT_EQ(20, h);

    // the same id again replaces the object, and the library frees the old bitmap
    Draw(control, 10, 10, 60, 30, GREEN, 1);
    BITMAP bm;
    EXPECT_EQ(0, GetObjectA(first, sizeof bm, &bm)) << "the replaced bitmap was not freed";
    c.GetImageSizeFromControl(control, &w, &h);
    EXPECT_EQ(60, w);

    // a second object; the focused one is the control's picture
    Draw(control, 100, 10, 16, 8, BLUE, 2);
    c.GetImageSizeFromControl(control, &w, &h);
    EXPECT_EQ(60, w) << "without a focus the lowest id is the picture";
    EXPECT_TRUE(c.SetObjectFocusID(2));
    c.GetImageSizeFromControl(control, &w, &h);
    EXPECT_EQ(16, w);
    EXPECT_EQ(8, h);

    // an id drawn in another control moves there
    HWND other = MakeControl(100, 100);
    Draw(other, 0, 0, 10, 10, RED, 1);
    EXPECT_EQ(other, c.GetObjectParent(1));
    EXPECT_EQ(control, c.GetObjectParent(2));
    DestroyWindow(other);
    EXPECT_EQ((HWND)0, c.GetObjectParent(1)) << "objects end with their control";
    EXPECT_EQ((HWND)0, c.GetObjectParent(77));
    EXPECT_EQ(0, c.DrawBitmapToCtrl(host, 0, 0, SolidDib(4, 4, RED), 0, 3, 0)) << "not an image control";
    EXPECT_EQ((HWND)0, c.GetObjectParent(3));
}

TEST_F(PictoraControl, ObjectsAreDrawnWherePlacedScaledAndTurnedAboutTheirCentre)
{
    PictoraCalls &c = Pictora();
    Draw(control, 100, 50, 40, 20, RED, 1); // centre (120, 60)
    Snapshot s = PrintControl(control);
    ASSERT_EQ(320, s.width);
    DWORD background = s.At(20, 200);
    EXPECT_EQ(0xFF0000u, s.At(120, 60));
    EXPECT_EQ(0xFF0000u, s.At(101, 51));
    EXPECT_EQ(0xFF0000u, s.At(138, 68));
    EXPECT_NE(0xFF0000u, s.At(98, 60));
    EXPECT_NE(0xFF0000u, s.At(141, 60));
    EXPECT_NE(0xFF0000u, s.At(120, 48));
    EXPECT_NE(0xFF0000u, s.At(120, 71));
    EXPECT_NE(0xABCDEFu, background) << "the control painted nothing";

    c.SetObjectScale(1, 2.0f); // now 80..160 x 40..80
    s = PrintControl(control);
    EXPECT_EQ(0xFF0000u, s.At(84, 43));
    EXPECT_EQ(0xFF0000u, s.At(156, 77));
    EXPECT_NE(0xFF0000u, s.At(76, 60));
    c.SetObjectScale(1, 0.5f); // 110..130 x 55..65
    s = PrintControl(control);
    EXPECT_EQ(0xFF0000u, s.At(120, 60));
    EXPECT_NE(0xFF0000u, s.At(106, 60));
    c.SetObjectScale(1, 0.0f); // refused: the object keeps its zoom
    EXPECT_EQ(0xFF0000u, PrintControl(control).At(120, 60));

    c.SetObjectScale(1, 1.0f);
    c.SetObjectAngle(1, 90, 1); // upright: 110..130 x 40..80
    s = PrintControl(control);
    EXPECT_EQ(0xFF0000u, s.At(120, 44));
    EXPECT_EQ(0xFF0000u, s.At(120, 76));
    EXPECT_NE(0xFF0000u, s.At(104, 60));
    EXPECT_NE(0xFF0000u, s.At(136, 60));

    c.SetObjectVisibility(1, 0);
    EXPECT_NE(0xFF0000u, PrintControl(control).At(120, 60));
    c.SetObjectVisibility(1, 1);
    EXPECT_EQ(0xFF0000u, PrintControl(control).At(120, 60));

    // half-transparent white keeps its alpha: it lies between the background and white
    Draw(control, 200, 150, 40, 40, 0x80FFFFFF, 2);
    DWORD under = PrintControl(control).At(250, 170), mixed = PrintControl(control).At(220, 170);
    EXPECT_GT(mixed & 0xFF, (under & 0xFF) + 40);
    EXPECT_LT(mixed & 0xFF, 0xF0u);
}

TEST_F(PictoraControl, TheBackgroundSwitchChangesWhatIsBehindTheObjects)
{
    PictoraCalls &c = Pictora();
    Draw(control, 100, 50, 40, 20, RED, 1);
    c.UseVelvanebackground(control, 1, 1);
    Snapshot skin = PrintControl(control);
    c.UseVelvanebackground(control, 0, 1);
    Snapshot plain = PrintControl(control);
    // the skin background is a vertical gradient: the same along a row, darker down
    EXPECT_EQ(skin.At(2, 2), skin.At(18, 2));
    EXPECT_NE(skin.At(2, 2), skin.At(2, 235));
    // the transparent mode is a checker board of cells
    EXPECT_NE(plain.At(2, 2), plain.At(18, 2));
    EXPECT_EQ(plain.At(2, 2), plain.At(2 + 24, 2));
    EXPECT_NE(skin.At(2, 2), plain.At(2, 2));
    EXPECT_EQ(0xFF0000u, skin.At(120, 60));
    EXPECT_EQ(0xFF0000u, plain.At(120, 60));

    // on a see-through top-level window (layered with a colour key) the
    // transparent mode paints the key, so that what lies behind shows
    SetWindowLongA(host, GWL_EXSTYLE, GetWindowLongA(host, GWL_EXSTYLE) | WS_EX_LAYERED);
    ASSERT_TRUE(SetLayeredWindowAttributes(host, RGB(1, 0, 1), 255, LWA_COLORKEY));
    Snapshot seeThrough = PrintControl(control);
    EXPECT_EQ(0x010001u, seeThrough.At(2, 2));
    EXPECT_EQ(0x010001u, seeThrough.At(18, 235));
    EXPECT_EQ(0xFF0000u, seeThrough.At(120, 60));
    c.UseVelvanebackground(control, 1, 1);
    EXPECT_EQ(skin.At(2, 2), PrintControl(control).At(2, 2)) << "the skin background stays solid";
}

TEST_F(PictoraControl, AnchorModesFollowAResizeOfTheControl)
{
    PictoraCalls &c = Pictora();
    Draw(control, 290, 10, 20, 20, RED, 3); // 10 from the right edge
    c.SetObjectAnchorMode(3, 2);
    Draw(control, 150, 110, 20, 20, GREEN, 4); // centred
    c.SetObjectAnchorMode(4, 13);
    Draw(control, 10, 10, 20, 20, BLUE, 5); // mode 0: keeps its place
    c.SetObjectLocked(3, 1);
    MoveWindow(control, 10, 10, 420, 340, TRUE);
    Snapshot s = PrintControl(control);
    ASSERT_EQ(420, s.width);
    EXPECT_EQ(0xFF0000u, s.At(400, 20)) << "mode 2 keeps the top right";
    EXPECT_NE(0xFF0000u, s.At(300, 20));
    EXPECT_EQ(0x00FF00u, s.At(210, 170)) << "mode 13 keeps the centre";
    EXPECT_NE(0x00FF00u, s.At(160, 120));
    EXPECT_EQ(0x0000FFu, s.At(20, 20));
}

TEST_F(PictoraControl, CropRectangleAndDraggingWithTheMouse)
{
    PictoraCalls &c = Pictora();
    Draw(control, 100, 100, 20, 20, RED, 6);
    EXPECT_EQ(0, c.GetToolCropStatus(control));
    DWORD before = PrintControl(control).At(50, 45);
    SendMessageA(control, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(20, 20));
    SendMessageA(control, WM_MOUSEMOVE, MK_RBUTTON, MAKELPARAM(80, 70));
    SendMessageA(control, WM_RBUTTONUP, 0, MAKELPARAM(80, 70));
    EXPECT_NE(0, c.GetToolCropStatus(control));
    EXPECT_NE(before, PrintControl(control).At(50, 45)) << "the crop rectangle is not drawn";
    c.DisableCropRectangle(control);
    EXPECT_EQ(0, c.GetToolCropStatus(control));
    EXPECT_EQ(before, PrintControl(control).At(50, 45));
    SendMessageA(control, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(20, 20));
    SendMessageA(control, WM_RBUTTONUP, 0, MAKELPARAM(21, 20));
    EXPECT_EQ(0, c.GetToolCropStatus(control)) << "a plain right click leaves no rectangle";

    // an unlocked object follows a left drag; a locked one stays
    SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(110, 110));
    SendMessageA(control, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(150, 110));
    SendMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(150, 110));
    Snapshot s = PrintControl(control);
    EXPECT_EQ(0xFF0000u, s.At(150, 110));
    EXPECT_NE(0xFF0000u, s.At(105, 110));
    c.SetObjectLocked(6, 1);
    SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 110));
    SendMessageA(control, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(150, 200));
    SendMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(150, 200));
    s = PrintControl(control);
    EXPECT_EQ(0xFF0000u, s.At(150, 110));
    EXPECT_NE(0xFF0000u, s.At(150, 200));
}

static BOOL CALLBACK FindDialogBox(HWND w, LPARAM out)
{
    char name[16] = {};
    GetClassNameA(w, name, sizeof name);
    if (lstrcmpA(name, "#32770") != 0 || !IsWindowVisible(w)) return TRUE;
    *(HWND *)out = w;
    return FALSE;
}

// Presses Cancel on the first dialog box that the main thread shows.
static DWORD WINAPI CancelTheDialog(LPVOID parameter)
{
    DWORD thread = (DWORD)(UINT_PTR)parameter;
    for (int tries = 0; tries < 600; ++tries) {
        HWND found = 0;
        EnumThreadWindows(thread, FindDialogBox, (LPARAM)&found);
        if (found) {
            PostMessageA(found, WM_COMMAND, IDCANCEL, 0);
            return 1;
        }
        Sleep(100);
    }
    return 0;
}

TEST_F(PictoraControl, TheCancelledPictureDialogGivesAnEmptyOleString)
{
    HANDLE canceller = CreateThread(0, 0, CancelTheDialog, (LPVOID)(UINT_PTR)GetCurrentThreadId(), 0, 0);
    BSTR path = Pictora().LoadDialog(host);
    WaitForSingleObject(canceller, INFINITE);
    DWORD shown = 0;
    GetExitCodeThread(canceller, &shown);
    CloseHandle(canceller);
    EXPECT_EQ(1u, shown) << "no dialog was shown";
    ASSERT_TRUE(path != 0);
    EXPECT_EQ(0u, SysStringByteLen(path));
    SysFreeString(path);
}
