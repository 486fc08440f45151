// LoadImagePixels on real files beside this program: which names it takes,
// and the pixels it hands back. The program starts GDI+ as a host would.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "picture_files.h"
#include "plugin/textures.h"

static std::string HostFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(NULL, path, sizeof path);
    std::string p = path;
    return p.substr(0, p.rfind('\\') + 1);
}

// Top half red, bottom half blue, both opaque.
static unsigned int RedOverBlue(int, int y, int h)
{
    return y < h / 2 ? 0xFFFF0000u : 0xFF0000FFu;
}

class ImagePixels : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        gdiplus = StartGdiplus();
        folder = HostFolder() + "PixelCases\\";
        CreateDirectoryA(folder.c_str(), NULL);
        auto picture = [](int x, int y) { return RedOverBlue(x, y, 200); };
        ASSERT_TRUE(WritePicture(folder + "wide.png", 300, 200, picture));
        ASSERT_TRUE(WritePicture(folder + "wide", 300, 200, picture));     // no extension
        ASSERT_TRUE(WritePicture(folder + "wide.tga", 300, 200, picture)); // a refused type
        ASSERT_TRUE(WritePicture(folder + "photo.Jpeg", 100, 100, picture, L"image/jpeg"));
        ASSERT_TRUE(WritePicture(folder + "dot.png", 1, 1, picture));
        HANDLE f =
            CreateFileA((folder + "corrupt.png").c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
        const char junk[] = "\x89PNG\r\n\x1a\nnot a picture at all";
        DWORD written = 0;
        WriteFile(f, junk, sizeof junk, &written, NULL);
        CloseHandle(f);
    }
    void TearDown() override
    {
        for (const char *name : {"wide.png", "wide", "wide.tga", "photo.Jpeg", "dot.png", "corrupt.png"})
            DeleteFileA((folder + name).c_str());
        RemoveDirectoryA(folder.c_str());
        StopGdiplus(gdiplus);
    }
    GdiplusSession gdiplus;
    std::string folder;
};

TEST_F(ImagePixels, NamesAreResolvedAgainstTheHostFolderAndFiltered)
{
    struct Case {
        std::string path;
        bool loaded;
        int width, height;
    };
    const std::string host = HostFolder();
    const Case cases[] = {
        {"PixelCases\\wide.png", true, 256, 128},
        {"PixelCases/wide.png", true, 256, 128},         // forward slashes
        {host + "PixelCases\\wide.png", true, 256, 128}, // already holds the host folder
        {"PixelCases\\photo.Jpeg", true, 64, 64},        // any case of the extension
        {"PixelCases\\wide", false, 0, 0},               // exists, but no extension
        {"PixelCases\\wide.tga", false, 0, 0},           // exists, type refused
        {"PixelCases\\missing.png", false, 0, 0},
        {"PixelCases\\corrupt.png", false, 0, 0},
        {"PixelCases\\dot.png", false, 0, 0}, // 1 x 1: no texture size
        {"D:\\Pictures\\a.png", false, 0, 0}, // taken under the host folder
    };
    for (const Case &c : cases) {
        std::vector<unsigned char> pixels;
        int width = -1, height = -1;
        bool loaded = LoadImagePixels(c.path.c_str(), &width, &height, pixels);
        EXPECT_EQ(loaded, c.loaded) << c.path;
        if (!loaded) continue;
        EXPECT_EQ(width, c.width) << c.path;
        EXPECT_EQ(height, c.height) << c.path;
        EXPECT_EQ(pixels.size(), (size_t)width * height * 4) << c.path;
    }
}

TEST_F(ImagePixels, RowsBottomUpInRgbaWithZeroMargins)
{
    std::vector<unsigned char> pixels;
    int width = 0, height = 0;
    ASSERT_TRUE(LoadImagePixels("PixelCases\\wide.png", &width, &height, pixels));
    ASSERT_EQ(width, 256);
    ASSERT_EQ(height, 128);
    auto at = [&](int x, int row) { return pixels.data() + (row * 256 + x) * 4; };
    // drawn 192 x 128 at x = 32: columns 0..31 and 224..255 stay zero
    struct Case {
        int x, row;
        unsigned char rgba[4];
        const char *what;
    };
    const Case cases[] = {
        {128, 0, {0, 0, 255, 255}, "bottom row is the picture's bottom (blue)"},
        {128, 127, {255, 0, 0, 255}, "top row is the picture's top (red)"},
        {40, 32, {0, 0, 255, 255}, "inside, lower half"},
        {0, 64, {0, 0, 0, 0}, "left margin"},
        {31, 64, {0, 0, 0, 0}, "last margin column"},
        {224, 64, {0, 0, 0, 0}, "first right margin column"},
        {255, 127, {0, 0, 0, 0}, "right margin, top"},
    };
    for (const Case &c : cases) {
        const unsigned char *p = at(c.x, c.row);
        EXPECT_EQ(memcmp(p, c.rgba, 4), 0)
            << c.what << ": got " << (int)p[0] << "," << (int)p[1] << "," << (int)p[2] << "," << (int)p[3];
    }
}
