// The plug-in's entry as a host sees it: loaded by name, called with a record.
#include <gtest/gtest.h>
#include "plugin_host.h"

class PluginEntry : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        plugin = LoadPlugin();
        ASSERT_NE(plugin.module, nullptr) << "Vortiq.dll not found in the stage";
        ASSERT_NE(plugin.proc, nullptr) << "no export named VumoProc";
    }
    void TearDown() override { UnloadPlugin(plugin); }
    LoadedPlugin plugin;
};

TEST_F(PluginEntry, AnswersKnownCodesWithZeroAndOthersWithMinusOne)
{
    struct Case {
        int32_t code;
        int32_t expected;
    };
    // create, size, render and destroy run without a context here: with no
    // current context their OpenGL calls are no-ops
    const Case cases[] = {{0, -1}, {8, -1}, {-1, -1}, {100, -1}, {INT32_MIN, -1}, {2, 0},
                          {5, 0},  {6, 0},  {1, 0},   {3, 0},    {4, 0},          {7, 0}};
    for (const Case &c : cases) {
        PluginRecord record = {};
        EXPECT_EQ(SendPluginMessage(plugin, &record, c.code), c.expected) << "code " << c.code;
    }
}

TEST_F(PluginEntry, UnknownAndInertCodesLeaveTheRecordAlone)
{
    for (int32_t code : {0, 5, 6, 8, -1}) {
        unsigned char bytes[sizeof(PluginRecord)];
        memset(bytes, 0x5A, sizeof bytes);
        PluginRecord *record = (PluginRecord *)bytes;
        SendPluginMessage(plugin, record, code);
        unsigned char expected[sizeof(PluginRecord)];
        memset(expected, 0x5A, sizeof expected);
        memcpy(expected, &code, sizeof code);
        EXPECT_EQ(memcmp(bytes, expected, sizeof bytes), 0) << "code " << code;
    }
}

// A record larger than the layout, so that bytes past 133 are checked too.
const size_t PROBE_SIZE = 160;
const unsigned char FILL = 0xA7;

static void FillRecord(unsigned char *bytes)
{
    for (size_t i = 0; i < PROBE_SIZE; ++i)
        bytes[i] = (unsigned char)(FILL + i);
}

TEST_F(PluginEntry, InfoWritesOnlyNameAuthorAndTheTwoValues)
{
    unsigned char bytes[PROBE_SIZE], before[PROBE_SIZE];
    FillRecord(bytes);
    int32_t code = PLUGIN_INFO;
    memcpy(bytes, &code, 4);
    memcpy(before, bytes, PROBE_SIZE);

    ASSERT_EQ(plugin.proc((PluginRecord *)bytes), 0);

    EXPECT_STREQ((const char *)bytes + 20, "Didudi");
    const char *author = (const char *)bytes + 52;
    size_t authorLength = strnlen(author, 64);
    ASSERT_LT(authorLength, 64u) << "author text not terminated inside its field";
    EXPECT_GT(authorLength, 0u);
    int32_t v1, v2;
    memcpy(&v1, bytes + 116, 4);
    memcpy(&v2, bytes + 120, 4);
    EXPECT_EQ(v1, 1);
    EXPECT_EQ(v2, 1);

    // untouched: the host's fields, the name past its NUL, the author past its
    // NUL, and everything from 124 on
    for (size_t i = 0; i < PROBE_SIZE; ++i) {
        bool written = (i >= 20 && i <= 26) || (i >= 52 && i <= 52 + authorLength) || (i >= 116 && i < 124);
        if (!written) {
            EXPECT_EQ(bytes[i], before[i]) << "byte " << i << " changed";
        }
    }
}

TEST_F(PluginEntry, InfoIsSafeAsTheVeryFirstCallWithoutAContext)
{
    ASSERT_EQ(wglGetCurrentContext(), nullptr);
    PluginRecord record = {};
    EXPECT_EQ(SendPluginMessage(plugin, &record, PLUGIN_INFO), 0);
    EXPECT_STREQ(record.name, "Didudi");
    // a second time, once the slot table exists, gives the same answer
    PluginRecord again = {};
    EXPECT_EQ(SendPluginMessage(plugin, &again, PLUGIN_INFO), 0);
    EXPECT_EQ(memcmp(&record, &again, sizeof record), 0);
}
