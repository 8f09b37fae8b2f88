#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "platform/core/codepage.h"
#include "platform/core/error.h"
#include "platform/core/paths.h"

namespace fs = std::filesystem;

TEST(Paths, PlatformPathsBecomeNative) {
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {
        {"C:\\Fieldara\\Import\\Korvane\\", "/Fieldara/Import/Korvane/"},
        {"/home/u/qbx\\Import\\\\Korvane\\a.xif", "/home/u/qbx/Import/Korvane/a.xif"},
        {"relative\\x.par", "relative/x.par"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(platform::toNativePath(c.in), c.out) << c.in;
}

TEST(CodePage, Windows1252RoundTripsAndUnmappableBecomesQuestionMark) {
    std::string cp = "Gr\xFC\xDF Gott \x80 \x96";  // ü ß € en-dash
    std::string utf8 = platform::cp1252ToUtf8(cp);
    EXPECT_EQ(utf8, "Gr\xC3\xBC\xC3\x9F Gott \xE2\x82\xAC \xE2\x80\x93");
    EXPECT_EQ(platform::utf8ToCp1252(utf8), cp);
    EXPECT_EQ(platform::utf8ToCp1252("\xE4\xB8\xAD"), "?");  // a CJK character
    EXPECT_EQ(platform::utf8ToCp1252("a\xFF"), "a?");
}

TEST(AtomicWrite, ReplacesTheFileAndAFailedWriteLeavesThePreviousOne) {
    fs::path dir = fs::temp_directory_path() / ("qbx_atomic_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    fs::path file = dir / "a.txt";
    platform::writeFileAtomically(file, "first");
    platform::writeFileAtomically(file, "second");
    EXPECT_EQ(platform::readFile(file), "second");
    int entries = 0;
    for (auto& e : fs::directory_iterator(dir)) (void)e, ++entries;
    EXPECT_EQ(entries, 1) << "no temporary file is left behind";

    if (::geteuid() != 0) {  // root may write into a read-only folder
        ::chmod(dir.c_str(), 0500);
        EXPECT_THROW(platform::writeFileAtomically(file, "third"), platform::Error);
        ::chmod(dir.c_str(), 0700);
    }
    // A target that cannot be replaced (a folder) fails and leaves the other file untouched.
    fs::create_directories(dir / "sub");
    EXPECT_THROW(platform::writeFileAtomically(dir / "sub", "x"), platform::Error);
    EXPECT_THROW(platform::writeFileAtomically(dir / "missing" / "a.txt", "x"), platform::Error);
    EXPECT_EQ(platform::readFile(file), "second");
    fs::remove_all(dir);
}
