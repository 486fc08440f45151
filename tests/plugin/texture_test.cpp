// The band texture as a host sees it: the file beside the host program turned
// into a power-of-two texture, and every failure leaving the bands untextured.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "gl_host.h"
#include "picture_files.h"
#include "plugin_host.h"

static std::string TextureFile()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(NULL, path, sizeof path);
    std::string p = path;
    return p.substr(0, p.rfind('\\') + 1) + "Vumoplugin\\Texture\\Didudi.png";
}

class Texture : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        std::string file = TextureFile();
        CreateDirectoryA(file.substr(0, file.rfind("\\Texture")).c_str(), NULL);
        CreateDirectoryA(file.substr(0, file.rfind('\\')).c_str(), NULL);
        DeleteFileA(file.c_str());
        ASSERT_TRUE(OpenGlHost(host, 64, 64));
        plugin = LoadPlugin();
        ASSERT_NE(plugin.proc, nullptr);
        record = PluginRecord();
        record.window = host.window;
        record.deviceContext = host.dc;
        record.renderContext = host.context;
    }
    void TearDown() override
    {
        UnloadPlugin(plugin);
        CloseGlHost(host);
        StopGdiplus(gdiplus);
        DeleteFileA(TextureFile().c_str());
    }
    // The texture bound by a frame: slot 1's name.
    GLuint BoundByRender()
    {
        SendPluginMessage(plugin, &record, PLUGIN_RENDER);
        GLint name = -1;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &name);
        return (GLuint)name;
    }
    GdiplusSession gdiplus = {};
    GlHost host;
    LoadedPlugin plugin;
    PluginRecord record;
};

// Top half red, bottom half blue, both opaque.
static unsigned int RedOverBlue(int, int y, int h)
{
    return y < h / 2 ? 0xFFFF0000u : 0xFF0000FFu;
}

TEST_F(Texture, PictureBecomesABottomUpRgbaTextureWithZeroMargins)
{
    gdiplus = StartGdiplus();
    ASSERT_TRUE(WritePicture(TextureFile(), 300, 200, [](int x, int y) { return RedOverBlue(x, y, 200); }));
    SendPluginMessage(plugin, &record, PLUGIN_CREATE);
    GLuint name = BoundByRender();
    ASSERT_NE(name, 0u);
    glBindTexture(GL_TEXTURE_2D, name);
    GLint w = 0, h = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
    ASSERT_EQ(w, 256);
    ASSERT_EQ(h, 128);
    std::vector<unsigned char> texels(256 * 128 * 4);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    auto at = [&](int x, int row) { return texels.data() + (row * 256 + x) * 4; };
    // the picture lies at x 32..223; row 0 is its bottom row (blue)
    const unsigned char blue[4] = {0, 0, 255, 255}, red[4] = {255, 0, 0, 255}, none[4] = {0, 0, 0, 0};
    EXPECT_EQ(memcmp(at(128, 2), blue, 4), 0) << "bottom row";
    EXPECT_EQ(memcmp(at(128, 125), red, 4), 0) << "top row";
    EXPECT_EQ(memcmp(at(10, 64), none, 4), 0) << "left margin";
    EXPECT_EQ(memcmp(at(245, 64), none, 4), 0) << "right margin";
    GLint filter = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
    EXPECT_EQ(filter, GL_LINEAR);
}

TEST_F(Texture, SizesFollowTheLadderForEveryEncoder)
{
    gdiplus = StartGdiplus();
    struct Case {
        int w, h;
        const WCHAR *mime;
        int tw, th;
    };
    const Case cases[] = {{200, 300, L"image/bmp", 128, 256},
                          {100, 100, L"image/jpeg", 64, 64},
                          {64, 64, L"image/tiff", 64, 64},
                          {5000, 10, L"image/png", 4096, 8}};
    for (const Case &c : cases) {
        // the decoder goes by content, so a .png name can hold any of them
        ASSERT_TRUE(WritePicture(
            TextureFile(), c.w, c.h, [](int, int) { return 0xFF808080u; }, c.mime));
        SendPluginMessage(plugin, &record, PLUGIN_CREATE);
        GLuint name = BoundByRender();
        ASSERT_NE(name, 0u) << c.w << "x" << c.h;
        glBindTexture(GL_TEXTURE_2D, name);
        GLint w = 0, h = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
        EXPECT_EQ(w, c.tw) << c.w << "x" << c.h;
        EXPECT_EQ(h, c.th) << c.w << "x" << c.h;
    }
}

TEST_F(Texture, CreatingAgainKeepsOneTextureAndDestroyDeletesIt)
{
    gdiplus = StartGdiplus();
    ASSERT_TRUE(WritePicture(TextureFile(), 64, 64, [](int, int) { return 0xFFFFFFFFu; }));
    SendPluginMessage(plugin, &record, PLUGIN_CREATE);
    GLuint first = BoundByRender();
    SendPluginMessage(plugin, &record, PLUGIN_CREATE);
    GLuint second = BoundByRender();
    ASSERT_NE(second, 0u);
    ASSERT_NE(first, 0u);
    if (first != second) {
        EXPECT_FALSE(glIsTexture(first)) << "the first texture was not deleted";
    }
    int alive = 0;
    for (GLuint n = 1; n < 64; ++n)
        alive += glIsTexture(n) ? 1 : 0;
    EXPECT_EQ(alive, 1) << "first " << first << ", second " << second;
    SendPluginMessage(plugin, &record, PLUGIN_DESTROY);
    EXPECT_FALSE(glIsTexture(second));
    // the slot forgot the deleted name: frames now bind no texture
    EXPECT_EQ(BoundByRender(), 0u);
}

TEST_F(Texture, FailuresLeaveTheBandsUntextured)
{
    struct Case {
        const char *what;
        bool startGdiplus;
        int kind; // 0 no file, 1 corrupt file, 3 a 1 x 1 picture
    };
    const Case cases[] = {
        {"missing file", true, 0}, {"corrupt PNG", true, 1}, {"one pixel picture", true, 3}};
    // A host that never started GDI+ cannot be shown here: Wine's GDI+
    // decodes without GdiplusStartup (the file is loaded and textured), and
    // the process then crashes inside GDI+ once its session has been shut
    // down. On Windows GdipLoadImageFromFile refuses, as for a missing file.
    for (const Case &c : cases) {
        GdiplusSession writer = StartGdiplus();
        if (c.kind == 3) WritePicture(TextureFile(), 1, 1, [](int, int) { return 0xFFFFFFFFu; });
        StopGdiplus(writer);
        if (c.kind == 1) {
            HANDLE f = CreateFileA(TextureFile().c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
            const char junk[] = "\x89PNG\r\n\x1a\nnot a picture at all";
            DWORD written;
            WriteFile(f, junk, sizeof junk, &written, NULL);
            CloseHandle(f);
        }
        if (c.startGdiplus) gdiplus = StartGdiplus();
        EXPECT_EQ(SendPluginMessage(plugin, &record, PLUGIN_CREATE), 0) << c.what;
        EXPECT_EQ(BoundByRender(), 0u) << c.what;
        EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR) << c.what;
        StopGdiplus(gdiplus);
        DeleteFileA(TextureFile().c_str());
    }
}

TEST_F(Texture, RenderBeforeAnyCreateDrawsWithoutCrashing)
{
    float spectrum[256];
    for (float &v : spectrum)
        v = 1.0f;
    record.spectrum = spectrum;
    record.spectrumBound = 255;
    record.level1 = 65535;
    EXPECT_EQ(SendPluginMessage(plugin, &record, PLUGIN_RENDER), 0);
    EXPECT_EQ(SendPluginMessage(plugin, &record, PLUGIN_DESTROY), 0);
}
