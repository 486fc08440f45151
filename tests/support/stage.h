// Where the tests find the staged program folder and their scratch space.
#pragma once
#include <string>

// A path inside the staged program folder, with Windows separators.
inline std::string StagePath(const std::string &relative)
{
    std::string p = std::string(TEST_STAGE_DIR) + "\\" + relative;
    for (char &c : p)
        if (c == '/') c = '\\';
    return p;
}
