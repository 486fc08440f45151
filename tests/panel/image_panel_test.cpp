// The image panel against recording doubles of the image library and the
// skin engine, with a real zoom trackbar read back through its messages.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <limits.h>
#include <math.h>
#include <string>
#include <vector>
#include "panel_window.h"
#include "recording_outside.h"
#include "controller/image_panel.h"

static const int DECODED_BITMAP = 77;      // the handle the double hands out for a decoded picture
static const int OPAQUE_BLACK = -16777216; // 0xFF000000, what ZD_ColorARGB(255, 0) gives
static const int GAUGE2_ANGLE = 45;
static const char PICTURE[] = "C:\\Pictures\\sea.png";

static std::string Real(float v)
{
    CallText t("");
    t.Real(v);
    return t.text.substr(1);
}

static std::string Num(int v)
{
    return std::to_string(v);
}

class ImagePanel : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ResetOutside();
        PictureObjectId = 0;
        LastZoom = 0.0f;
        ImageFileWidth = ImageFileHeight = BitmapWidth = BitmapHeight = 0;
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_BAR_CLASSES};
        ASSERT_TRUE(InitCommonControlsEx(&icc));
        ASSERT_TRUE(OpenPanelMainWindow(0, 0, 800, 614));
        ImageControl = OpenChild("STATIC", WS_CHILD | WS_VISIBLE, 78, 40, 628, 432, IDC_IMAGE);
        trackbar = OpenChild(TRACKBAR_CLASSA, 0x50010003, 728, 40, 32, 432, IDC_ZOOM);
        gauge2 = OpenChild("STATIC", WS_CHILD, 344, 476, 40, 40, IDC_GAUGE2);
        ASSERT_TRUE(ImageControl && trackbar && gauge2);
        OutsideReturns["ZD_ColorARGB"] = OPAQUE_BLACK;
        OutsideReturns["skGaugeGetPos"] = GAUGE2_ANGLE;
        OutsideReturns["ZD_GetObjectParent"] = (int)(INT_PTR)ImageControl;
    }
    void TearDown() override
    {
        ClosePanelMainWindow();
        ImageControl = 0;
    }
    void ClientSize(int width, int height)
    {
        SetWindowPos(ImageControl, 0, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
    }
    // What the library reports for the next load: the file's size, the
    // decoded bitmap's size, and the fit of the bitmap and of the file.
    void Library(int fileW, int fileH, int bitmap, int bmW, int bmH, int fitW, int fitH, int fw, int fh)
    {
        OutsideOuts["ZI_GetImageSizeFromFile"] = {{fileW, fileH}};
        OutsideReturns["ZI_FitBitmapFromFile"] = bitmap;
        OutsideOuts["ZI_GetBitmapSize"] = {{bmW, bmH}};
        OutsideOuts["ZI_Iconise"] = {{0, 0, fitW, fitH}, {0, 0, fw, fh}}; // bitmap first, then file
    }
    int Range(UINT message) { return (int)SendMessageA(trackbar, message, 0, 0); }
    HWND trackbar = 0, gauge2 = 0;
};

// A successful load, call by call, with the values the panel computed.
static std::vector<std::string> LoadCalls(int side, int bmW, int bmH, int fileW, int fileH, int cw, int ch,
                                          int x, int y, float zoom)
{
    std::string p = std::string("\"") + PICTURE + "\"";
    std::string bitmap = "bitmap" + Num(DECODED_BITMAP);
    return {
        "ZI_GetToolCropStatus(#1001)",
        "ZI_GetImageSizeFromFile(" + p + ", &, &)",
        "ZI_FitBitmapFromFile(" + p + ", " + Num(side) + ", " + Num(side) + ")",
        "ZI_GetBitmapSize(" + bitmap + ", &, &)",
        "ZI_Iconise(" + Num(bmW) + ", " + Num(bmH) + ", " + Num(cw) + ", " + Num(ch) + ", &, &, &, &)",
        "ZI_Iconise(" + Num(fileW) + ", " + Num(fileH) + ", " + Num(cw) + ", " + Num(ch) + ", &, &, &, &)",
        "ZD_ColorARGB(255, 0)",
        "ZD_DrawBitmapToCtrl(#1001, " + Num(x) + ", " + Num(y) + ", " + bitmap + ", " + Num(OPAQUE_BLACK) +
            ", 1, 0)",
        "ZD_SetObjectScale(1, " + Real(zoom) + ")",
        "skGaugeGetPos(#1006)",
        "ZD_SetObjectAngle(1, " + Num(GAUGE2_ANGLE) + ", 0)",
        "ZD_SetObjectAnchorMode(1, 13)",
        "ZI_SetObjectFocusID(1)",
        "ZD_SetObjectVisibility(1, 1)",
        "ZI_UpdateWindow(#1001, 0)",
    };
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour)
{
    struct Case {
        double value;
        int rounded;
    };
    const Case cases[] = {
        {0.5, 0},
        {1.5, 2},
        {2.5, 2},
        {-0.5, 0},
        {-85.5, -86},
        {-86.5, -86},
        {78.5, 78},
        {92.16, 92},
        {69.12, 69},
        {1226.5625, 1227},
        {959.99997, 960},
        {0.49999, 0},
        {-1.50001, -2},
        {3e9, INT_MAX},
        {-3e9, INT_MIN},
        {HUGE_VAL, INT_MAX},
        {-HUGE_VAL, INT_MIN},
        {NAN, 0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << c.value;
}

TEST_F(ImagePanel, LoadsFitZoomAndPlaceAsTheLibraryReports)
{
    struct Case {
        const char *what;
        int cw, ch;                       // panel client size
        int fileW, fileH, side;           // the file, and the box it is decoded into
        int bmW, bmH, fitW, fitH, fw, fh; // the bitmap and the two fits
        int minimum, position, x, y;      // trackbar range minimum and position, drawn at
        float zoom;
    };
    const Case cases[] = {
        {"800 x 600", 628, 432, 800, 600, 800, 800, 600, 576, 432, 576, 432, 92, 960, -86, -84, 0.96f},
        {"600 x 800", 628, 432, 600, 800, 800, 600, 800, 324, 432, 324, 432, 69, 540, 14, -184, 0.54f},
        {"2048 x 1024", 628, 432, 2048, 1024, 1024, 1024, 512, 628, 314, 628, 314, 78, 1227, -198, -40,
         1.2265625f},
        {"x -85.5 to even", 629, 432, 800, 600, 800, 800, 600, 576, 432, 576, 432, 92, 960, -86, -84, 0.96f},
        {"x -86.5 to even", 627, 432, 800, 600, 800, 800, 600, 576, 432, 576, 432, 92, 960, -86, -84, 0.96f},
        {"fit of no height", 628, 432, 300, 200, 300, 300, 200, 600, 400, 300, 0, 256, 2000, 164, 116, 2.0f},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ClientSize(c.cw, c.ch);
        Library(c.fileW, c.fileH, DECODED_BITMAP, c.bmW, c.bmH, c.fitW, c.fitH, c.fw, c.fh);
        OutsideCalls.clear();
        LoadPicture(PICTURE);
        EXPECT_TRUE(SameCalls(LoadCalls(c.side, c.bmW, c.bmH, c.fileW, c.fileH, c.cw, c.ch, c.x, c.y, c.zoom),
                              OutsideCalls));
        EXPECT_EQ(Range(TBM_GETRANGEMIN), c.minimum);
        EXPECT_EQ(Range(TBM_GETRANGEMAX), 1500);
        EXPECT_EQ(Range(TBM_GETPOS), c.position > 1500 ? 1500 : c.position) << "the trackbar holds its range";
        EXPECT_EQ(PictureObjectId, 1);
        EXPECT_EQ(ImageFileWidth, c.fileW);
        EXPECT_EQ(ImageFileHeight, c.fileH);
        EXPECT_EQ(BitmapWidth, c.bmW);
        EXPECT_EQ(BitmapHeight, c.bmH);
        EXPECT_EQ(GetFocus(), ImageControl);
        SetFocus(NULL);
    }
}

TEST_F(ImagePanel, ABigPictureIsDecodedNoLargerThan1024)
{
    ClientSize(628, 432);
    Library(4000, 3000, DECODED_BITMAP, 1024, 768, 576, 432, 576, 432);
    LoadPicture(PICTURE);
    ASSERT_GE(OutsideCalls.size(), 3u);
    EXPECT_EQ(OutsideCalls[2], std::string("ZI_FitBitmapFromFile(\"") + PICTURE + "\", 1024, 1024)");
}

TEST_F(ImagePanel, AFailedDecodeChangesOnlyTheFileSizeAndTheCropTool)
{
    ClientSize(628, 432);
    SendMessageA(trackbar, TBM_SETRANGE, 1, MAKELONG(1, 700));
    SendMessageA(trackbar, TBM_SETPOS, 1, 300);
    BitmapWidth = 11;
    BitmapHeight = 12;
    Library(640, 480, 0, 0, 0, 0, 0, 0, 0);
    OutsideReturns["ZI_GetToolCropStatus"] = 1;
    LoadPicture(PICTURE);
    std::string p = std::string("\"") + PICTURE + "\"";
    EXPECT_TRUE(SameCalls({"ZI_GetToolCropStatus(#1001)", "ZI_DisableCropRectangle(#1001)",
                           "ZI_GetImageSizeFromFile(" + p + ", &, &)",
                           "ZI_FitBitmapFromFile(" + p + ", 640, 640)", "ZI_GetBitmapSize(0, &, &)"},
                          OutsideCalls));
    EXPECT_EQ(ImageFileWidth, 640);
    EXPECT_EQ(ImageFileHeight, 480);
    EXPECT_EQ(BitmapWidth, 11);
    EXPECT_EQ(BitmapHeight, 12);
    EXPECT_EQ(PictureObjectId, 0);
    EXPECT_EQ(LastZoom, 0.0f);
    EXPECT_EQ(Range(TBM_GETRANGEMIN), 1);
    EXPECT_EQ(Range(TBM_GETRANGEMAX), 700);
    EXPECT_EQ(Range(TBM_GETPOS), 300);
}

TEST_F(ImagePanel, SetZoomRangeHandsTheFitBack)
{
    ClientSize(628, 432);
    OutsideOuts["ZI_Iconise"] = {{26, 0, 576, 432}};
    int fitW = -1, fitH = -1;
    SetZoomRange(800, 600, &fitW, &fitH);
    EXPECT_TRUE(SameCalls({"ZI_Iconise(800, 600, 628, 432, &, &, &, &)"}, OutsideCalls));
    EXPECT_EQ(fitW, 576);
    EXPECT_EQ(fitH, 432);
    EXPECT_EQ(Range(TBM_GETRANGEMIN), 92);
    EXPECT_EQ(Range(TBM_GETRANGEMAX), 1500);
}

// The zoom of a trackbar position, in single precision as the panel keeps it.
static float Zoom(int position)
{
    return position * 0.001f;
}

// One step of a zoom sequence: a load, a scroll, or module state set as it
// stands after another history.
struct ZoomStep {
    enum Kind { LOAD, SCROLL, STATE } kind;
    int value;   // the trackbar position of a scroll; the picture id of a state step
    float last;  // LastZoom of a state step
    bool scales; // whether a scroll rescales the picture
    float zoom;  // LastZoom after the step
};

TEST_F(ImagePanel, ApplyZoomRescalesOnlyForANewZoom)
{
    ClientSize(628, 432);
    SendMessageA(trackbar, TBM_SETRANGE, 1, MAKELONG(0, 1500));
    const float loaded = Zoom(960); // where the 800 x 600 load leaves the trackbar
    const ZoomStep steps[] = {
        {ZoomStep::SCROLL, 500, 0, false, 0.0f}, // no picture yet: nothing, LastZoom kept
        {ZoomStep::STATE, 1, 0.0f, false, 0.0f}, // a picture, LastZoom still 0.0
        {ZoomStep::SCROLL, 0, 0, false, 0.0f},   // zoom 0 equals LastZoom: no rescale
        {ZoomStep::SCROLL, 700, 0, true, Zoom(700)},
        {ZoomStep::SCROLL, 700, 0, false, Zoom(700)}, // the same position twice rescales once
        {ZoomStep::SCROLL, 701, 0, true, Zoom(701)},
        {ZoomStep::SCROLL, 500, 0, true, Zoom(500)},
        {ZoomStep::LOAD, 0, 0, false, loaded}, // the load sets LastZoom to its trackbar position
        {ZoomStep::SCROLL, 960, 0, false, loaded},
        {ZoomStep::SCROLL, 500, 0, true, Zoom(500)}, // the old picture's zoom zooms the new one
        {ZoomStep::SCROLL, 959, 0, true, Zoom(959)},
    };
    int k = 0;
    for (const ZoomStep &s : steps) {
        SCOPED_TRACE("step " + std::to_string(k++));
        if (s.kind == ZoomStep::STATE) {
            PictureObjectId = s.value;
            LastZoom = s.last;
            continue;
        }
        if (s.kind == ZoomStep::LOAD) {
            Library(800, 600, DECODED_BITMAP, 800, 600, 576, 432, 576, 432);
            LoadPicture(PICTURE);
            EXPECT_EQ(Range(TBM_GETPOS), 960);
            EXPECT_EQ(LastZoom, s.zoom);
            continue;
        }
        SendMessageA(trackbar, TBM_SETPOS, 1, s.value);
        OutsideCalls.clear();
        ApplyZoom((int)SendMessageA(trackbar, TBM_GETPOS, 0, 0));
        std::vector<std::string> expected;
        if (s.scales)
            expected = {"ZD_GetObjectParent(1)", "ZI_GetToolCropStatus(#1001)",
                        "ZD_SetObjectScale(1, " + Real(Zoom(s.value)) + ")", "ZI_UpdateWindow(#1001, 0)"};
        EXPECT_TRUE(SameCalls(expected, OutsideCalls));
        EXPECT_EQ(LastZoom, s.zoom);
    }
}

TEST_F(ImagePanel, ApplyZoomSwitchesTheCropToolOffFirst)
{
    PictureObjectId = 1;
    LastZoom = 0.5f;
    OutsideReturns["ZI_GetToolCropStatus"] = 1;
    ApplyZoom(1200);
    EXPECT_TRUE(
        SameCalls({"ZD_GetObjectParent(1)", "ZI_GetToolCropStatus(#1001)", "ZI_DisableCropRectangle(#1001)",
                   "ZD_SetObjectScale(1, " + Real(Zoom(1200)) + ")", "ZI_UpdateWindow(#1001, 0)"},
                  OutsideCalls));
}
