// skInitEngine: where it looks for the skin file, what it accepts, and the
// insets that skGetSystemMetrics then reports.
#include <gtest/gtest.h>
#include <string.h>

#include <string>

#include "velvane_host.h"

static VelvaneCalls V;

static std::string ProgramFolder()
{
    char p[MAX_PATH] = {0};
    GetModuleFileNameA(0, p, sizeof p);
    *(strrchr(p, '\\') + 1) = 0;
    return p;
}

static void WriteText(const std::string &path, const char *text)
{
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, 0, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, 0);
    DWORD n = 0;
    WriteFile(f, text, (DWORD)strlen(text), &n, 0);
    CloseHandle(f);
}

static std::string WorkFolder()
{
    std::string w = TEST_WORK_DIR "/velvane";
    CreateDirectoryA(TEST_WORK_DIR, 0);
    CreateDirectoryA(w.c_str(), 0);
    return w + "\\";
}

static int Insets(int out[4])
{
    for (int i = 0; i < 4; ++i)
        out[i] = V.GetSystemMetrics(SK_INSET_LEFT + i);
    return 1;
}

TEST(SkinFile, ExportsEveryOperation)
{
    ASSERT_EQ(1, LoadVelvane(&V));
}

TEST(SkinFile, ShippedSkinFromTheCurrentFolder)
{
    ASSERT_TRUE(V.InitEngine);
    ASSERT_TRUE(SetCurrentDirectoryA(TEST_STAGE_DIR));
    EXPECT_NE(0, V.InitEngine("Corvel.sks", 0));
    int got[4];
    Insets(got);
    EXPECT_EQ(8, got[0]);
    EXPECT_EQ(30, got[1]);
    EXPECT_EQ(8, got[2]);
    EXPECT_EQ(8, got[3]);
}

// Each case writes one skin text (or none) and loads it by its bare name from
// a current folder that holds it, or from the program folder alone.
struct SkinCase {
    const char *name;
    const char *text; // 0: no file at all
    int inProgramFolder;
    int accepted;
    int insets[4]; // expected after the call (the previous skin stays on refusal)
};

static const char GoodSkin[] = "# test\n[velvane-skin 1]\ninset.left = 3\ninset.top=21\r\ninset.right = 4\n"
                               "inset.bottom = 5\ncolor.frame = #102030\nfuture.key = anything\n";
static const char ProgramSkin[] =
    "[velvane-skin 1]\ninset.left=1\ninset.top=2\ninset.right=3\ninset.bottom=4\n";

static const SkinCase SkinCases[] = {
    {"Current.sks", GoodSkin, 0, 1, {3, 21, 4, 5}},
    {"ProgramOnly.sks", ProgramSkin, 1, 1, {1, 2, 3, 4}},
    {"Missing.sks", 0, 0, 0, {1, 2, 3, 4}},
    {"NoHeader.sks", "inset.left=1\ninset.top=2\ninset.right=3\ninset.bottom=4\n", 0, 0, {1, 2, 3, 4}},
    {"NoBottom.sks", "[velvane-skin 1]\ninset.left=1\ninset.top=2\ninset.right=3\n", 0, 0, {1, 2, 3, 4}},
    {"BadNumber.sks",
     "[velvane-skin 1]\ninset.left=x\ninset.top=2\ninset.right=3\ninset.bottom=4\n",
     0,
     0,
     {1, 2, 3, 4}},
    {"TooWide.sks",
     "[velvane-skin 1]\ninset.left=900\ninset.top=2\ninset.right=3\ninset.bottom=4\n",
     0,
     0,
     {1, 2, 3, 4}},
    {"BadColor.sks",
     "[velvane-skin 1]\ninset.left=1\ninset.top=2\ninset.right=3\ninset.bottom=4\ncolor.edge=red\n",
     0,
     0,
     {1, 2, 3, 4}},
    {"NoEquals.sks",
     "[velvane-skin 1]\ninset.left=1\ninset.top=2\ninset.right=3\ninset.bottom=4\njunk\n",
     0,
     0,
     {1, 2, 3, 4}},
    {"Empty.sks", "", 0, 0, {1, 2, 3, 4}},
};

TEST(SkinFile, FindsValidatesAndKeepsTheInsets)
{
    ASSERT_TRUE(V.InitEngine);
    std::string work = WorkFolder();
    std::string program = ProgramFolder();
    ASSERT_TRUE(SetCurrentDirectoryA(work.c_str()));
    for (const SkinCase &c : SkinCases) {
        std::string here = work + c.name, there = program + c.name;
        DeleteFileA(here.c_str());
        DeleteFileA(there.c_str());
        if (c.text) WriteText(c.inProgramFolder ? there : here, c.text);
        int result = V.InitEngine(c.name, 0);
        int got[4];
        Insets(got);
        EXPECT_EQ(c.accepted, result != 0) << c.name;
        EXPECT_EQ(0, memcmp(c.insets, got, sizeof got))
            << c.name << ": expected " << c.insets[0] << "," << c.insets[1] << "," << c.insets[2] << ","
            << c.insets[3] << " got " << got[0] << "," << got[1] << "," << got[2] << "," << got[3];
        DeleteFileA(here.c_str());
        DeleteFileA(there.c_str());
    }
}
