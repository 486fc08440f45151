// PICTORA.DLL loaded as a caller loads it: the exports, the window class that
// loading registers, the module handle, and the fit of a picture in a box.
#include <gtest/gtest.h>

#include <string>

#include "pictora_host.h"

// Before any test loads the library: whether the class exists yet.
static int ClassBeforeLoad = -1;

class BeforeLoad : public ::testing::Environment
{
  public:
    void SetUp() override
    {
        WNDCLASSA wc = {};
        ClassBeforeLoad =
            GetModuleHandleA("PICTORA.DLL") ? -2 : GetClassInfoA(GetModuleHandleA(0), PICTORA_CLASS, &wc);
    }
};
static ::testing::Environment *const Before = ::testing::AddGlobalTestEnvironment(new BeforeLoad);

TEST(PictoraLibrary, LoadingRegistersTheControlClassAndExportsEveryCall)
{
    EXPECT_EQ(0, ClassBeforeLoad) << "-2: loaded before the tests; 1: the class existed without the library";
    WNDCLASSA wc = {};
    PictoraCalls c = {};
    ASSERT_TRUE(LoadPictora(&c)) << "PICTORA.DLL missing or an export not found by its plain name";
    // A global class: the caller creates the control with its own instance handle.
    EXPECT_TRUE(GetClassInfoA(GetModuleHandleA(0), PICTORA_CLASS, &wc));
    EXPECT_EQ(c.module, (HMODULE)c.Instance());
    HWND control =
        CreateWindowExA(0, PICTORA_CLASS, 0, WS_POPUP, 0, 0, 100, 80, 0, 0, GetModuleHandleA(0), 0);
    EXPECT_TRUE(control != 0);
    DestroyWindow(control);
}

struct FitCase {
    int width, height, boxWidth, boxHeight;
    int x, y, fitWidth, fitHeight;
};

static std::string FitText(const FitCase &f)
{
    char text[96];
    wsprintfA(text, "%dx%d in %dx%d -> %dx%d at %d,%d", f.width, f.height, f.boxWidth, f.boxHeight,
              f.fitWidth, f.fitHeight, f.x, f.y);
    return text;
}

TEST(PictoraLibrary, IconiseKeepsTheAspectCentresAndNeverEnlarges)
{
    static const FitCase cases[] = {
        {800, 600, 628, 432, 26, 0, 576, 432},   {600, 800, 628, 432, 152, 0, 324, 432},
        {2048, 1024, 628, 432, 0, 59, 628, 314}, {800, 600, 628, 314, 104, 0, 419, 314},
        {600, 800, 628, 314, 196, 0, 236, 314},  {2048, 1024, 628, 314, 0, 0, 628, 314},
        {100, 50, 628, 432, 264, 191, 100, 50},  {628, 432, 628, 432, 0, 0, 628, 432},
        {101, 51, 628, 432, 264, 190, 101, 51},  {1024, 512, 628, 432, 0, 59, 628, 314},
        {0, 600, 628, 432, 0, 0, 0, 0},          {800, 0, 628, 432, 0, 0, 0, 0},
        {800, 600, 0, 432, 0, 0, 0, 0},          {-5, 600, 628, 432, 0, 0, 0, 0},
    };
    PictoraCalls &c = Pictora();
    ASSERT_TRUE(c.Iconise);
    std::string expected, actual;
    for (const FitCase &f : cases) {
        FitCase got = f;
        got.x = got.y = got.fitWidth = got.fitHeight = -99;
        c.Iconise(f.width, f.height, f.boxWidth, f.boxHeight, &got.x, &got.y, &got.fitWidth, &got.fitHeight);
        expected += FitText(f) + "\n";
        actual += FitText(got) + "\n";
    }
    EXPECT_EQ(expected, actual);
    c.Iconise(800, 600, 628, 432, 0, 0, 0, 0); // null out addresses are skipped
}
