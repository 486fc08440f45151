// The music and plug-in lists against real folders under Wine and real
// drop-down lists made with the controller's own style.
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>
#include "panel_window.h"
#include "common/bounded_text.h"
#include "controller/catalogues.h"

static const char WORK[] = TEST_WORK_DIR "\\panel_catalogues";
static const DWORD LIST_STYLE = 0x50210243; // as the layout makes both lists, no CBS_SORT

struct Entry {
    const char *name;
    DWORD attributes; // FILE_ATTRIBUTE_DIRECTORY makes a folder
};

static void MakeFolders(const std::string &path)
{
    for (size_t k = 0; k <= path.size(); ++k)
        if (k == path.size() || path[k] == '\\' || path[k] == '/')
            CreateDirectoryA(path.substr(0, k).c_str(), NULL);
}

// A fresh folder holding these entries; returns it with its trailing backslash.
static std::string MakeFolder(const char *name, const std::vector<Entry> &entries)
{
    std::string folder = std::string(WORK) + "\\" + name + "\\";
    MakeFolders(folder);
    for (const Entry &e : entries) {
        std::string path = folder + e.name;
        if (e.attributes & FILE_ATTRIBUTE_DIRECTORY) {
            CreateDirectoryA(path.c_str(), NULL);
            continue;
        }
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        HANDLE h =
            CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
        if (e.attributes) SetFileAttributesA(path.c_str(), e.attributes);
    }
    return folder;
}

static void RemoveFolder(const std::string &folder, const std::vector<Entry> &entries)
{
    for (const Entry &e : entries) {
        std::string path = folder + e.name;
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (e.attributes & FILE_ATTRIBUTE_DIRECTORY)
            RemoveDirectoryA(path.c_str());
        else
            DeleteFileA(path.c_str());
    }
    RemoveDirectoryA(folder.c_str());
}

// The names that the directory search returns, in its order, kept only when
// they are in the given set: the order a list must show them in.
static std::vector<std::string> SearchOrder(const std::string &folder, const char *pattern,
                                            const std::set<std::string> &keep)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((folder + pattern).c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        if (keep.count(entry.cFileName)) names.push_back(entry.cFileName);
    } while (FindNextFileA(find, &entry));
    FindClose(find);
    return names;
}

static std::vector<std::string> Items(HWND list)
{
    std::vector<std::string> items;
    int n = (int)SendMessageA(list, CB_GETCOUNT, 0, 0);
    for (int k = 0; k < n; ++k) {
        char text[MAX_PATH] = {};
        SendMessageA(list, CB_GETLBTEXT, k, (LPARAM)text);
        items.push_back(text);
    }
    return items;
}

static int Selected(HWND list)
{
    return (int)SendMessageA(list, CB_GETCURSEL, 0, 0);
}

class Catalogue : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(OpenPanelMainWindow(0, 0, 400, 300));
        audio = OpenChild("COMBOBOX", LIST_STYLE, 127, 493, 150, 164, IDC_AUDIO_LIST);
        plugins = OpenChild("COMBOBOX", LIST_STYLE, 127, 518, 150, 164, IDC_PLUGIN_LIST);
        ASSERT_TRUE(audio && plugins);
    }
    void TearDown() override { ClosePanelMainWindow(); }
    HWND audio = 0, plugins = 0;
};

TEST(CatalogueAttributes, OnlyTheLowEightBitsOfPlainFilesPass)
{
    struct Case {
        DWORD attributes;
        int listed;
    };
    const Case cases[] = {
        {0x00, 1},   {0x01, 1},  {0x20, 1},   {0x21, 1},  {0x80, 1},  // plain, read-only, archive, normal
        {0x2020, 1}, {0x820, 1}, {0x4020, 1}, {0x100, 1}, {0x121, 1}, // bits above the low eight do not count
        {0x10, 0},   {0x02, 0},  {0x04, 0},   {0x22, 0},  {0x24, 0},
        {0x11, 0},   {0x40, 0},  {0x81, 0},   {0xA0, 0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(IsListableAttributes(c.attributes), c.listed)
            << "attributes 0x" << std::hex << c.attributes;
}

TEST_F(Catalogue, MusicListHoldsWholeListedExtensionsOfPlainFilesInSearchOrder)
{
    const std::vector<Entry> entries = {
        {"Song.MP3", 0},
        {"tune.XM", 0},
        {"a.Ogg", 0},
        {"b.mod", 0},
        {"c.it", 0},
        {"d.s3m", 0},
        {"e.mo3", 0},
        {"ro.mp3", FILE_ATTRIBUTE_READONLY},
        {"song.mp3.bak", 0},
        {"song.mp", 0},
        {"song.mp3x", 0},
        {"README", 0},
        {"dotted.", 0},
        {".hidden.mp3", 0},
        {"Loops.mp3", FILE_ATTRIBUTE_DIRECTORY},
        {"hid.mp3", FILE_ATTRIBUTE_HIDDEN},
        {"sys.mp3", FILE_ATTRIBUTE_SYSTEM},
    };
    std::string folder = MakeFolder("music", entries);
    ASSERT_NE(GetFileAttributesA((folder + "hid.mp3").c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
    ASSERT_NE(GetFileAttributesA((folder + "sys.mp3").c_str()) & FILE_ATTRIBUTE_SYSTEM, 0u);
    ASSERT_NE(GetFileAttributesA((folder + "ro.mp3").c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    CopyText(AudioFolder, sizeof AudioFolder, folder.c_str());
    SendMessageA(audio, CB_ADDSTRING, 0, (LPARAM) "left over");

    FillAudioList(audio, 1);

    std::vector<std::string> expected = SearchOrder(
        folder, "*.*", {"Song.MP3", "tune.XM", "a.Ogg", "b.mod", "c.it", "d.s3m", "e.mo3", "ro.mp3"});
    EXPECT_EQ(expected.size(), 8u);
    EXPECT_EQ(Items(audio), expected) << "the listed files, in the order of the directory search";
    EXPECT_EQ(Selected(audio), 0);
    RemoveFolder(folder, entries);
}

TEST_F(Catalogue, PluginListTakesDllInAnyCaseButNoLongerExtension)
{
    const std::vector<Entry> entries = {
        {"Vortiq.DLL", 0},
        {"other.dll", 0},
        {"x.dllx", 0},
        {"y.dl", 0},
        {"notes.txt", 0},
        {".quiet.dll", 0},
        {"hid.dll", FILE_ATTRIBUTE_HIDDEN},
        {"Folder.dll", FILE_ATTRIBUTE_DIRECTORY},
    };
    std::string folder = MakeFolder("plugins", entries);
    CopyText(PluginFolder, sizeof PluginFolder, folder.c_str());

    FillPluginList(plugins, 1);

    EXPECT_EQ(Items(plugins), SearchOrder(folder, "*.dll", {"Vortiq.DLL", "other.dll"}));
    EXPECT_EQ(Items(plugins).size(), 2u);
    EXPECT_EQ(Selected(plugins), 0);
    RemoveFolder(folder, entries);
}

TEST_F(Catalogue, SelectionAfterFillingThreeFiles)
{
    const std::vector<Entry> entries = {{"one.mp3", 0}, {"two.mp3", 0}, {"three.mp3", 0}};
    std::string folder = MakeFolder("three", entries);
    CopyText(AudioFolder, sizeof AudioFolder, folder.c_str());
    struct Case {
        int select, selected; // argument, then CB_GETCURSEL after filling
    };
    const Case cases[] = {{1, 0}, {2, 1}, {3, 2}, {4, 0}, {5, 0}, {0, 0}, {-1, CB_ERR}};
    for (const Case &c : cases) {
        FillAudioList(audio, c.select);
        EXPECT_EQ(SendMessageA(audio, CB_GETCOUNT, 0, 0), 3) << "select " << c.select;
        EXPECT_EQ(Selected(audio), c.selected) << "select " << c.select;
    }
    RemoveFolder(folder, entries);
}

TEST_F(Catalogue, EmptyAndMissingFoldersLeaveTheListEmptyAndUnselected)
{
    std::string empty = MakeFolder("empty", {});
    std::string missing = std::string(WORK) + "\\missing\\";
    for (const std::string &folder : {empty, missing}) {
        SendMessageA(audio, CB_ADDSTRING, 0, (LPARAM) "left over");
        SendMessageA(audio, CB_SETCURSEL, 0, 0);
        CopyText(AudioFolder, sizeof AudioFolder, folder.c_str());
        FillAudioList(audio, 1);
        EXPECT_EQ(SendMessageA(audio, CB_GETCOUNT, 0, 0), 0) << folder;
        EXPECT_EQ(Selected(audio), CB_ERR) << folder;
    }
    RemoveDirectoryA(empty.c_str());
}

TEST_F(Catalogue, SelectListItemCountsFromOne)
{
    for (const char *item : {"a", "b", "c"})
        SendMessageA(audio, CB_ADDSTRING, 0, (LPARAM)item);
    struct Case {
        int index, selected;
    };
    const Case cases[] = {{1, 0}, {3, 2}, {2, 1}, {0, 0}, {-1, CB_ERR}};
    for (const Case &c : cases) {
        SelectListItem(audio, c.index);
        EXPECT_EQ(Selected(audio), c.selected) << "index " << c.index;
    }
    SelectListItem(0, 1); // no list: nothing, and no fault
    FillAudioList(0, 1);
    FillPluginList(0, 1);
}

// A list that refuses one item: CB_ADDSTRING answers CB_ERR for it.
static WNDPROC ComboProc;
static LRESULT CALLBACK RefusingProc(HWND w, UINT m, WPARAM wp, LPARAM lp)
{
    if (m == CB_ADDSTRING && lp && lstrcmpiA((const char *)lp, "refused.mp3") == 0) return CB_ERR;
    return CallWindowProcA(ComboProc, w, m, wp, lp);
}

TEST_F(Catalogue, AnItemTheListRefusesIsNotCounted)
{
    const std::vector<Entry> entries = {{"one.mp3", 0}, {"two.mp3", 0}, {"refused.mp3", 0}};
    std::string folder = MakeFolder("refusing", entries);
    CopyText(AudioFolder, sizeof AudioFolder, folder.c_str());
    ComboProc = (WNDPROC)SetWindowLongPtrA(audio, GWLP_WNDPROC, (LONG_PTR)RefusingProc);

    // two items taken: select 3 is more than the count and falls back to the first
    FillAudioList(audio, 3);
    EXPECT_EQ(Items(audio), SearchOrder(folder, "*.*", {"one.mp3", "two.mp3"}));
    EXPECT_EQ(Selected(audio), 0);

    SetWindowLongPtrA(audio, GWLP_WNDPROC, (LONG_PTR)ComboProc);
    RemoveFolder(folder, entries);
}
