// The music and plug-in lists against real folders and real drop-down lists.
#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>
#include "main_window.h"
#include "stage.h"
#include "common/bounded_text.h"
#include "controller/catalogues.h"

static const char *WORK = TEST_WORK_DIR "\\catalogues";

class Catalogues : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(OpenMainWindow(0, 0, 300, 300));
        list = CreateWindowExA(0, "COMBOBOX", NULL, WS_CHILD | CBS_DROPDOWNLIST | CBS_HASSTRINGS, 0, 0, 150,
                               164, MainWindow, (HMENU)1012, NULL, NULL);
        ASSERT_TRUE(list);
        std::string work = WORK;
        SHCreate(work);
    }
    void TearDown() override { CloseMainWindow(); }
    static void SHCreate(const std::string &path)
    {
        std::string partial;
        for (size_t k = 0; k <= path.size(); ++k)
            if (k == path.size() || path[k] == '\\' || path[k] == '/') {
                partial = path.substr(0, k);
                CreateDirectoryA(partial.c_str(), NULL);
            }
    }
    // A fresh folder with these files (attributes applied after writing).
    std::string Folder(const char *name, const std::vector<std::pair<std::string, DWORD>> &files)
    {
        std::string folder = std::string(WORK) + "\\" + name + "\\";
        SHCreate(folder);
        for (const auto &f : files) {
            std::string path = folder + f.first;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (f.second & FILE_ATTRIBUTE_DIRECTORY) {
                CreateDirectoryA(path.c_str(), NULL);
                continue;
            }
            HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
            CloseHandle(h);
            if (f.second) SetFileAttributesA(path.c_str(), f.second);
        }
        return folder;
    }
    std::vector<std::string> Items()
    {
        std::vector<std::string> items;
        int n = (int)SendMessageA(list, CB_GETCOUNT, 0, 0);
        for (int k = 0; k < n; ++k) {
            char text[MAX_PATH] = {};
            SendMessageA(list, CB_GETLBTEXT, k, (LPARAM)text);
            items.push_back(text);
        }
        std::sort(items.begin(), items.end());
        return items;
    }
    HWND list = 0;
};

TEST(CatalogueAttributes, OnlyPlainFilesPass)
{
    struct Case {
        DWORD attributes;
        int listed;
    };
    const Case cases[] = {{0x00, 1},   {0x01, 1}, {0x20, 1}, {0x21, 1}, {0x80, 1}, {0x2020, 1}, {0x820, 1},
                          {0x4020, 1}, {0x10, 0}, {0x02, 0}, {0x04, 0}, {0x22, 0}, {0x120, 1}};
    for (const Case &c : cases)
        EXPECT_EQ(IsListableAttributes(c.attributes), c.listed) << std::hex << c.attributes;
}

TEST_F(Catalogues, MusicListTakesWholeListedExtensions)
{
    std::string folder = Folder("audio", {{"Song.MP3", 0},
                                          {"tune.XM", 0},
                                          {"a.Ogg", 0},
                                          {"ro.mp3", FILE_ATTRIBUTE_READONLY},
                                          {"song.mp3.bak", 0},
                                          {"song.mp", 0},
                                          {"song.mp3x", 0},
                                          {"README", 0},
                                          {".hidden.mp3", 0},
                                          {"Loops.mp3", FILE_ATTRIBUTE_DIRECTORY},
                                          {"hid.mp3", FILE_ATTRIBUTE_HIDDEN},
                                          {"sys.mp3", FILE_ATTRIBUTE_SYSTEM}});
    CopyText(AudioFolder, sizeof AudioFolder, folder.c_str());
    FillAudioList(list, 1);
    EXPECT_EQ(Items(), (std::vector<std::string>{"Song.MP3", "a.Ogg", "ro.mp3", "tune.XM"}));
    EXPECT_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), 0);
    for (const char *f : {"ro.mp3", "hid.mp3", "sys.mp3"})
        SetFileAttributesA((folder + f).c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(Catalogues, PluginListTakesDllInAnyCaseButNotLongerExtensions)
{
    std::string folder =
        Folder("plugins", {{"Vortiq.DLL", 0}, {"x.dllx", 0}, {"other.dll", 0}, {"notes.txt", 0}});
    CopyText(PluginFolder, sizeof PluginFolder, folder.c_str());
    FillPluginList(list, 1);
    EXPECT_EQ(Items(), (std::vector<std::string>{"Vortiq.DLL", "other.dll"}));
}

TEST_F(Catalogues, SelectionRuleAndEmptyOrMissingFolders)
{
    std::string folder = Folder("three", {{"1.mp3", 0}, {"2.mp3", 0}, {"3.mp3", 0}});
    CopyText(AudioFolder, sizeof AudioFolder, folder.c_str());
    struct Case {
        int select, selected;
    };
    const Case cases[] = {{1, 0}, {3, 2}, {5, 0}, {0, 0}, {-1, -1}};
    for (const Case &c : cases) {
        FillAudioList(list, c.select);
        EXPECT_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), c.selected) << "select " << c.select;
    }
    for (const std::string &empty : {Folder("empty", {}), std::string(WORK) + "\\missing\\"}) {
        CopyText(AudioFolder, sizeof AudioFolder, empty.c_str());
        FillAudioList(list, 1);
        EXPECT_EQ(SendMessageA(list, CB_GETCOUNT, 0, 0), 0) << empty;
        EXPECT_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), CB_ERR) << empty;
    }
}
