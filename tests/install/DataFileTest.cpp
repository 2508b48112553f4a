// Where the program finds "logo.bmp": the current folder first, then the data
// folder installed beside its bin folder, else the bare name for the notice.
#include "DataFile.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace {

void WriteFile(const std::string& path, const std::string& text)
{
    std::ofstream(path) << text;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path);
    std::string text;
    std::getline(in, text);
    return text;
}

struct Case
{
    const char* name;
    bool inCurrent, inData;
    const char* exeUnderRoot;   // the program's path below the scratch root
    const char* expectedText;   // what the found file holds ("" when only the name comes back)
};

// The data file, when there is one, lies in <root>/usr/share/opengl-samples.
const Case kCases[] = {
    {"CurrentFolderFirst", true, true, "/usr/bin/opengl-samples", "current"},
    {"ThenTheDataFolder", false, true, "/usr/bin/opengl-samples", "data"},
    {"NeitherGivesTheName", false, false, "/usr/bin/opengl-samples", ""},
    {"OnlyItsOwnPrefix", false, true, "/usr/local/bin/opengl-samples", ""},
    {"NotTheProgramsFolder", false, true, "/usr/share/opengl-samples/opengl-samples", ""},
};

void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

class DataFile : public testing::TestWithParam<Case>
{
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/datafile-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_root = pattern;
        ASSERT_NE(getcwd(m_oldDir, sizeof m_oldDir), nullptr);
    }
    void TearDown() override
    {
        ASSERT_EQ(chdir(m_oldDir), 0);
        std::system(("rm -rf '" + m_root + "'").c_str());
    }

    std::string m_root;
    char m_oldDir[4096] = {};
};

TEST_P(DataFile, LooksInTheCurrentFolderThenInTheInstalledOne)
{
    const Case& c = GetParam();
    const std::string exe = m_root + c.exeUnderRoot;
    const std::string work = m_root + "/work", data = m_root + "/usr/share/opengl-samples";
    const std::string bin = exe.substr(0, exe.rfind('/'));
    ASSERT_EQ(std::system(("mkdir -p '" + work + "' '" + data + "' '" + bin + "'").c_str()), 0);
    if (c.inCurrent)
        WriteFile(work + "/logo.bmp", "current");
    if (c.inData)
        WriteFile(data + "/logo.bmp", "data");
    ASSERT_EQ(chdir(work.c_str()), 0);

    const std::string found = FindDataFile("logo.bmp", exe);
    if (*c.expectedText)
        EXPECT_EQ(ReadFile(found), c.expectedText) << found;
    else
        EXPECT_EQ(found, "logo.bmp");
}

INSTANTIATE_TEST_SUITE_P(Layouts, DataFile, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) { return info.param.name; });

}
