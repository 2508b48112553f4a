// Loading by name: narrow and wide names, the open-failure text within its
// 256-byte buffer, what cannot be mapped, and where notices go.
#include "LoadBmpImage.h"
#include "Notice.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/stat.h>

namespace {

using Texts = std::vector<std::string>;
const std::string kPrefix = "Failed to open DIB file ";

Texts OpenNotices(const char* name)
{
    return Capture([&] { return LoadBmpImage(name); }).notices;
}

Texts OpenNotices(const std::wstring& name)
{
    return Capture([&] { return LoadBmpImage(name.c_str(), true); }).notices;
}

TEST(LoadByName, WideNamesAreOpenedAndShownAsUtf8)
{
    BmpFields f;
    f.bits = {0, 0, 0xFF, 0};
    const std::string dir = WriteTemp("логотип.bmp", BuildBmp(f)).substr(0, TempDir().size());
    const std::wstring wide = std::wstring(dir.begin(), dir.end()) + L"/логотип.bmp";
    EXPECT_EQ(Capture([&] { return LoadBmpImage(wide.c_str(), true); }).rgb, (Bytes{0xFF, 0, 0}));
    EXPECT_EQ(OpenNotices(L"нет/logo.bmp"), Texts{kPrefix + "нет/logo.bmp.\n"});
}

TEST(LoadByName, NamesUpTo229BytesAreShownWhole)
{
    const std::string name(229, 'n');
    EXPECT_EQ(OpenNotices(name.c_str()), Texts{kPrefix + name + ".\n"});
}

TEST(LoadByName, LongerNamesKeepTheirEndAfterAnEllipsis)
{
    const std::string name = std::string(300, 'd') + "/picture.bmp";
    const Texts expected{kPrefix + "..." + name.substr(name.size() - 226) + ".\n"};
    EXPECT_EQ(expected[0].size(), 255u);
    EXPECT_EQ(OpenNotices(name.c_str()), expected);
    EXPECT_EQ(OpenNotices(std::wstring(name.begin(), name.end())), expected);
}

TEST(LoadByName, LongNamesAreCutBetweenCharacters)
{
    // Two bytes a character and an odd tail: 226 bytes from the end falls
    // inside a character, so the kept part starts a byte later.
    std::string name;
    std::wstring wide;
    for (int i = 0; i < 150; ++i) {
        name += "ж";
        wide += L"ж";
    }
    name += "a.bmp";
    wide += L"a.bmp";
    const Texts expected{kPrefix + "..." + name.substr(name.size() - 225) + ".\n"};
    EXPECT_EQ(OpenNotices(name.c_str()), expected);
    EXPECT_EQ(OpenNotices(wide), expected);
}

TEST(LoadByName, WhatCannotBeMappedGetsTheOpenFailureText)
{
    const std::string empty = WriteTemp("empty.bmp", {});
    EXPECT_EQ(OpenNotices(empty.c_str()), Texts{kPrefix + empty + ".\n"});
    EXPECT_EQ(OpenNotices(TempDir().c_str()), Texts{kPrefix + TempDir() + ".\n"});
    // A plain open of a pipe would wait for a writer.
    const std::string pipe = TempDir() + "/pipe.bmp";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(OpenNotices(pipe.c_str()), Texts{kPrefix + pipe + ".\n"});
    // A lone surrogate names no file; it is shown as U+FFFD.
    EXPECT_EQ(OpenNotices(std::wstring{L'a', wchar_t(0xD800), L'.', L'b'}), Texts{kPrefix + "a\uFFFD.b.\n"});
}

size_t OpenDescriptors()
{
    size_t count = 0;
    if (DIR* dir = opendir("/proc/self/fd")) {
        while (readdir(dir))
            ++count;
        closedir(dir);
    }
    return count;
}

TEST(LoadByName, TheFileIsClosedWhenTheLoadReturns)
{
    BmpFields f;
    f.bits = {0, 0, 0, 0};
    const std::string good = WriteTemp("closed.bmp", BuildBmp(f));
    const std::string bad = WriteTemp("closed-bad.bmp", {'B', 'M', 0, 0});
    const size_t before = OpenDescriptors();
    EXPECT_TRUE(Capture([&] { return LoadBmpImage(good.c_str()); }).ok);
    EXPECT_EQ(OpenNotices(bad.c_str()), Texts{kUnknownFormat});
    EXPECT_EQ(OpenDescriptors(), before);
}

TEST(Notices, WithoutAHandlerTheyGoToStandardError)
{
    const std::string bad = WriteTemp("stderr-bad.bmp", {'B', 'M'});
    const NoticeHandler previous = SetNoticeHandler(nullptr);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(LoadBmpImage("missing.bmp"), nullptr);
    EXPECT_EQ(LoadBmpImage(bad.c_str()), nullptr);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "Error: Failed to open DIB file missing.bmp.\nError: Unknown DIB file format.\n");
    SetNoticeHandler(previous);
}

void FirstHandler(const char*, const char*) {}
void SecondHandler(const char*, const char*) {}

TEST(Notices, InstallingAHandlerReturnsThePreviousOne)
{
    const NoticeHandler original = SetNoticeHandler(&FirstHandler);
    EXPECT_EQ(SetNoticeHandler(&SecondHandler), &FirstHandler);
    EXPECT_EQ(SetNoticeHandler(original), &SecondHandler);
}

}  // namespace
