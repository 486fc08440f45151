// The engine link against a recording engine window: discovery, the
// property list, and the command texts as the engine receives them.
#include <gtest/gtest.h>
#include <string>
#include "engine_recorder.h"
#include "main_window.h"
#include "recording_outside.h"
#include "controller/engine_link.h"

class EngineLink : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ResetOutside();
        // skin insets left, top, right, bottom
        OutsideReturns["skGetSystemMetrics(27)"] = 8;
        OutsideReturns["skGetSystemMetrics(28)"] = 30;
        OutsideReturns["skGetSystemMetrics(29)"] = 8;
        OutsideReturns["skGetSystemMetrics(30)"] = 8;
        ASSERT_TRUE(OpenMainWindow(100, 100, 800, 614));
    }
    void TearDown() override
    {
        if (engine) DestroyWindow(engine);
        CloseMainWindow();
    }
    std::string Parent()
    {
        return "PARENT, " + std::to_string((unsigned long)(UINT_PTR)MainWindow) + ", 1010";
    }
    HWND engine = 0;
};

static ::testing::AssertionResult SameCommands(const std::vector<std::string> &expected)
{
    return SameCalls(expected, EngineCommands());
}

TEST_F(EngineLink, WithoutAnEngineCommandsAreDroppedAndNothingIsStored)
{
    EngineCommands().clear();
    SendPlay("C:\\a.mp3");
    SendStop();
    EXPECT_EQ(FindEngineWindow(), (HWND)0);
    EXPECT_EQ(GetDlgItem(MainWindow, IDC_PROPERTY_LIST), (HWND)0) << "nothing to store, no list";
    EXPECT_EQ(GetProperty("WPHANDLE"), 0);
    EXPECT_EQ(GetDlgItem(MainWindow, IDC_PROPERTY_LIST), (HWND)0) << "GetProperty never creates the list";
}

TEST_F(EngineLink, TheFirstCommandDiscoversDocksAndAnnouncesOnce)
{
    SendStop(); // no engine yet: lost
    engine = OpenEngineRecorder();
    ASSERT_TRUE(engine);
    SendPlay("C:\\Music Folder\\a, b.mp3");
    SendPlugin("C:\\VumoPlugin\\Vortiq.dll");
    SendStop();
    SendDestroy();
    EXPECT_TRUE(SameCommands({Parent(), "PLAY,C:\\Music Folder\\a, b.mp3",
                              "PLUGIN,C:\\VumoPlugin\\Vortiq.dll", "STOP", "DESTROY"}));
    EXPECT_EQ(FindEngineWindow(), engine);
    EXPECT_EQ((HWND)GetProperty("WPHANDLE"), engine);
    // docked over the inner area: (100, 100, 900, 714) less 8, 30, 8, 8
    RECT r;
    GetWindowRect(engine, &r);
    EXPECT_EQ(r.left, 108);
    EXPECT_EQ(r.top, 130);
    EXPECT_EQ(r.right - r.left, 784);
    EXPECT_EQ(r.bottom - r.top, 576);
}

TEST(ParentCommand, HandlesAreWrittenUnsignedInDecimal)
{
    struct Case {
        UINT_PTR handle;
        const char *text;
    };
    const Case cases[] = {{0x80000010u, "PARENT, 2147483664, 1010"},
                          {2296422, "PARENT, 2296422, 1010"},
                          {0xFFFFFFFFu, "PARENT, 4294967295, 1010"},
                          {0, "PARENT, 0, 1010"}};
    for (const Case &c : cases) {
        char text[512];
        FormatParentCommand((HWND)c.handle, text, sizeof text);
        EXPECT_STREQ(text, c.text);
    }
}

TEST_F(EngineLink, LongCommandsAreCutTo511Bytes)
{
    engine = OpenEngineRecorder();
    FindEngineWindow();
    EngineCommands().clear();
    std::string path(600, 'p');
    SendPlay(path.c_str());
    ASSERT_EQ(EngineCommands().size(), 1u);
    EXPECT_EQ(EngineCommands()[0].size(), 511u);
    EXPECT_EQ(EngineCommands()[0], ("PLAY," + path).substr(0, 511));
}

TEST_F(EngineLink, PropertiesAreCaseBlindAndWholeNames)
{
    EXPECT_EQ(GetProperty("WPHANDLE"), 0);
    SetProperty("WPHANDLE", 1234);
    SetProperty("wphandle", 5678); // the same property
    SetProperty("WPHANDLEX", 42);
    EXPECT_EQ(GetProperty("WPHANDLE"), 5678);
    EXPECT_EQ(GetProperty("WpHandle"), 5678);
    EXPECT_EQ(GetProperty("WP"), 0);
    EXPECT_EQ(GetProperty("WPHANDLEX"), 42);
    EXPECT_EQ(SendMessageA(GetDlgItem(MainWindow, IDC_PROPERTY_LIST), LB_GETCOUNT, 0, 0), 2);
}

TEST_F(EngineLink, WithoutAPropertyListDiscoveryAnnouncesToTheWindowFound)
{
    // a main window that cannot hold children: the list cannot be made
    HWND real = MainWindow;
    MainWindow = 0;
    engine = OpenEngineRecorder();
    EngineCommands().clear();
    EXPECT_EQ(FindEngineWindow(), engine);
    EXPECT_EQ(GetProperty("WPHANDLE"), 0);
    EXPECT_TRUE(SameCommands({"PARENT, 0, 1010"})) << "once, without recursing";
    MainWindow = real;
}
