// Where the plug-in looks for its data.
#include <gtest/gtest.h>
#include <string>
#include "plugin/resource_paths.h"

static std::string ExeFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(NULL, path, sizeof path);
    std::string p = path;
    return p.substr(0, p.rfind('\\') + 1);
}

class InFolder : public ::testing::Test
{
  protected:
    void SetUp() override { GetCurrentDirectoryA(sizeof saved, saved); }
    void TearDown() override { SetCurrentDirectoryA(saved); }
    char saved[MAX_PATH] = {};
};

TEST_F(InFolder, CurrentDriveAndFolder)
{
    struct Case {
        const char *current, *drive, *folder;
    };
    const Case cases[] = {{"C:\\windows\\system32", "C:", "\\windows\\system32\\"}, {"C:\\", "C:", "\\"}};
    for (const Case &c : cases) {
        ASSERT_TRUE(SetCurrentDirectoryA(c.current)) << c.current;
        DriveAndFolder r = CurrentDriveAndFolder();
        EXPECT_STREQ(r.drive, c.drive) << c.current;
        EXPECT_STREQ(r.folder, c.folder) << c.current;
    }
}

TEST_F(InFolder, SplitPath)
{
    struct Case {
        const char *current, *path, *folder, *file;
    };
    const Case cases[] = {
        {"C:\\windows", "C:\\Engine\\host.exe", "C:\\Engine\\", "host.exe"},
        {"C:\\windows", "C:\\Engine\\", "C:\\Engine\\", ""},
        {"C:\\windows", "picture.png", "C:\\windows\\", "picture.png"}, // no folder: the current one
        {"C:\\windows", "C:picture.png", "C:\\windows\\", "picture.png"},
        {"C:\\", "picture.png", "C:\\", "picture.png"}, // the root keeps one backslash
        {"C:\\", "C:\\host.exe", "C:\\", "host.exe"},
        {"C:\\windows", "", "", ""},
    };
    for (const Case &c : cases) {
        ASSERT_TRUE(SetCurrentDirectoryA(c.current)) << c.current;
        FolderAndFile r = SplitPath(c.path);
        EXPECT_STREQ(r.folder, c.folder) << c.path << " in " << c.current;
        EXPECT_STREQ(r.file, c.file) << c.path << " in " << c.current;
    }
}

TEST(HostProgram, TestHostRuleMatchesOnlyTheWholeFileName)
{
    struct Case {
        const char *path;
        bool testHost;
    };
    const Case cases[] = {
        {"C:\\Engine\\wdtst.exe", true},   {"C:\\Engine\\WDTST.EXE", true},
        {"C:\\Engine\\WdTsT.ExE", true},   {"C:\\wdtst.exe", true},
        {"C:\\Engine\\xwdtst.exe", false}, {"wdtst.exe", false}, // no backslash before it
        {"C:\\Engine\\wdtst.exe2", false}, {"C:\\wdtst.exe\\host.exe", false},
        {"C:\\Engine\\host.exe", false},   {"", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(IsTestHostPath(c.path), c.testHost) << c.path;
}

TEST_F(InFolder, ResourcePathsAreRelativeToTheHostFolder)
{
    const std::string host = ExeFolder();
    struct Case {
        std::string path, resolved;
    };
    const Case cases[] = {
        {"Vumoplugin\\Texture\\Didudi.png", host + "Vumoplugin\\Texture\\Didudi.png"},
        {"Vumoplugin/Texture/Didudi.png", host + "Vumoplugin\\Texture\\Didudi.png"},
        {host + "Other\\a.png", host + "Other\\a.png"},        // already holds it
        {"X" + host + "a.png", "X" + host + "a.png"},          // anywhere in it
        {"D:\\Pictures\\a.png", host + "D:\\Pictures\\a.png"}, // and then not found
    };
    for (const Case &c : cases) {
        char out[MAX_PATH] = {};
        ResolveResourcePath(c.path.c_str(), out, sizeof out);
        EXPECT_EQ(std::string(out), c.resolved) << c.path;
    }
}

// Under a host named wdtst.exe (any case) the host folder is the current
// directory. This program copies itself under that name and runs the copy.
static const char WDTST_MARK[] = "VORTIQ_AS_WDTST";

TEST(HostProgram, NamedWdtstUsesTheCurrentDirectory)
{
    if (GetEnvironmentVariableA(WDTST_MARK, NULL, 0)) {
        char path[MAX_PATH] = {}, current[MAX_PATH] = {};
        HostProgramPath(path, sizeof path);
        GetCurrentDirectoryA(sizeof current, current);
        EXPECT_EQ(std::string(path), std::string(current) + "\\wdtst.exe");
        return;
    }
    char self[MAX_PATH] = {};
    GetModuleFileNameA(NULL, self, sizeof self);
    char path[MAX_PATH] = {};
    HostProgramPath(path, sizeof path);
    EXPECT_STREQ(path, self) << "any other name is the program's own file";

    std::string copy = ExeFolder() + "WdTsT.EXE";
    ASSERT_TRUE(CopyFileA(self, copy.c_str(), FALSE));
    SetEnvironmentVariableA(WDTST_MARK, "1");
    std::string cmd = "\"" + copy + "\" --gtest_filter=HostProgram.NamedWdtstUsesTheCurrentDirectory";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(CreateProcessA(NULL, &cmd[0], NULL, NULL, FALSE, 0, NULL, "C:\\windows", &si, &pi));
    SetEnvironmentVariableA(WDTST_MARK, NULL);
    WaitForSingleObject(pi.hProcess, 60000);
    DWORD code = 1;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    DeleteFileA(copy.c_str());
    EXPECT_EQ(code, 0u) << "the copy named WdTsT.EXE failed its check";
}
