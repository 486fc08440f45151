// Picture files through PICTORA.DLL: their sizes, the fitted and the own-size
// decodes into 32-bit DIB sections that keep the picture's alpha, and the
// files it cannot read.
#include <gtest/gtest.h>

#include <string>

#include "pictora_host.h"
#include "pictora_pixels.h"

class PictoraPictures : public ::testing::Test
{
  protected:
    static void SetUpTestSuite()
    {
        Session = StartGdiplus();
        auto blue = [](int, int) -> DWORD { return 0xFF2040C0; };
        WriteFilledPicture(PictureWorkPath("wide.png"), 800, 600, blue);
        WriteFilledPicture(PictureWorkPath("tall.bmp"), 600, 800, blue, L"image/bmp");
        WriteFilledPicture(PictureWorkPath("large.png"), 1200, 600, blue);
        WriteFilledPicture(PictureWorkPath("small.png"), 100, 50, blue);
        HANDLE f =
            CreateFileA(PictureWorkPath("corrupt.png").c_str(), GENERIC_WRITE, 0, 0, CREATE_ALWAYS, 0, 0);
        DWORD written = 0;
        WriteFile(f, "\x89PNG\r\n\x1a\nnot really", 18, &written, 0);
        CloseHandle(f);
    }
    static void TearDownTestSuite() { StopGdiplus(Session); }
    static GdiplusSession Session;
};
GdiplusSession PictoraPictures::Session;

struct SizeCase {
    const char *file;
    int boxWidth, boxHeight;   // for the fitted decode
    int fileWidth, fileHeight; // ZI_GetImageSizeFromFile
    int fitWidth, fitHeight;   // ZI_FitBitmapFromFile + ZI_GetBitmapSize
    int ownWidth, ownHeight;   // ZI_CreateBitmapFromFile
};

static std::string SizeText(const SizeCase &c)
{
    char text[160];
    wsprintfA(text, "%s in %dx%d: file %dx%d, fit %dx%d, own %dx%d", c.file, c.boxWidth, c.boxHeight,
              c.fileWidth, c.fileHeight, c.fitWidth, c.fitHeight, c.ownWidth, c.ownHeight);
    return text;
}

TEST_F(PictoraPictures, SizesFitsAndOwnSizeDecodes)
{
    static const SizeCase cases[] = {
        {"wide.png", 300, 300, 800, 600, 300, 225, 800, 600},
        {"tall.bmp", 300, 300, 600, 800, 225, 300, 600, 800},
        {"large.png", 1024, 1024, 1200, 600, 1024, 512, 1200, 600},
        {"small.png", 300, 300, 100, 50, 100, 50, 100, 50}, // never enlarged
        {"wide.png", 0, 300, 800, 600, 0, 0, 800, 600},     // no box, no bitmap
        {"corrupt.png", 300, 300, 0, 0, 0, 0, 0, 0},
        {"missing.png", 300, 300, 0, 0, 0, 0, 0, 0},
    };
    PictoraCalls &c = Pictora();
    ASSERT_TRUE(c.module);
    std::string expected, actual;
    for (const SizeCase &k : cases) {
        std::string path = PictureWorkPath(k.file);
        SizeCase got = k;
        c.GetImageSizeFromFile(path.c_str(), &got.fileWidth, &got.fileHeight);
        HBITMAP fit = c.FitBitmapFromFile(path.c_str(), k.boxWidth, k.boxHeight);
        c.GetBitmapSize(fit, &got.fitWidth, &got.fitHeight);
        HBITMAP own = c.CreateBitmapFromFile(path.c_str(), &got.ownWidth, &got.ownHeight);
        int w = -1, h = -1;
        c.GetBitmapSize(own, &w, &h);
        if (w != got.ownWidth || h != got.ownHeight) got.ownWidth = got.ownHeight = -1;
        // a fitted decode has real pixels: its middle is the picture's colour
        if (fit && BitmapPixel(fit, got.fitWidth / 2, got.fitHeight / 2) != 0xFF2040C0) got.fitWidth = -2;
        expected += SizeText(k) + "\n";
        actual += SizeText(got) + "\n";
        if (fit) DeleteObject(fit);
        if (own) DeleteObject(own);
    }
    EXPECT_EQ(expected, actual);
    int w = 7, h = 7;
    EXPECT_EQ(0, (int)(INT_PTR)c.CreateBitmapFromFile(0, &w, &h));
    EXPECT_EQ(0, w + h);
    c.GetBitmapSize(0, &w, &h);
    EXPECT_EQ(0, w + h);
}

TEST_F(PictoraPictures, DecodesIntoTopDown32BitSectionsKeepingAlpha)
{
    static const DWORD colours[8] = {0xFFFF0000, 0x80FF0000, 0x00000000, 0xFF00FF00,
                                     0x400080FF, 0xFFFFFFFF, 0xC0123456, 0xFF000000};
    std::string path = PictureWorkPath("alpha.png");
    ASSERT_TRUE(WriteFilledPicture(path, 4, 2, [](int x, int y) { return colours[y * 4 + x]; }));
    PictoraCalls &c = Pictora();
    int w = 0, h = 0;
    HBITMAP bitmap = c.CreateBitmapFromFile(path.c_str(), &w, &h);
    ASSERT_TRUE(bitmap != 0);
    DIBSECTION ds = {};
    ASSERT_EQ((int)sizeof ds, GetObjectA(bitmap, sizeof ds, &ds)) << "not a DIB section";
    EXPECT_EQ(32, ds.dsBmih.biBitCount);
    // the first row at the start of the bits: a top-down section
    std::string expected, actual;
    char text[16];
    for (int i = 0; i < 8; ++i) {
        wsprintfA(text, "%08X ", colours[i]);
        expected += text;
        wsprintfA(text, "%08X ", ((const DWORD *)ds.dsBm.bmBits)[i]);
        actual += text;
    }
    EXPECT_EQ(expected, actual);
    DeleteObject(bitmap);
}

TEST(PictoraColours, ColorARGBPutsTheAlphaAboveTheRgbOfAGdiColour)
{
    PictoraCalls &c = Pictora();
    ASSERT_TRUE(c.ColorARGB);
    EXPECT_EQ((int)0xFF000000, c.ColorARGB(255, 0));
    EXPECT_EQ((int)0x80112233, c.ColorARGB(128, RGB(0x11, 0x22, 0x33)));
    EXPECT_EQ(0x00FFFFFF, c.ColorARGB(0, RGB(255, 255, 255)));
}
