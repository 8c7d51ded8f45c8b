#include "hook_path.h"

#include <gtest/gtest.h>

#include <string>

namespace {

bool NoLeadBytes(unsigned char) { return false; }

// Shift-JIS lead bytes (code page 932): its trail bytes include '\' (0x5C).
bool ShiftJisLead(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// A code page where every high byte leads, so 0x81 '"' is one character.
bool HighByteLead(unsigned char byte) { return byte >= 0x80; }

struct ParseCase {
    const char* what;
    std::string commandLine;
    LeadByteTest isLead;
    bool found;
    std::string folder;
};

std::string Repeat(char c, size_t count) { return std::string(count, c); }

TEST(ParseHookFolder, TakesTheFolderOfTheSwitchPath) {
    const std::string sixty = Repeat('a', 60);
    // "uninst.exe -c C:\" + name + "\k.dll" sized to the buffer's limit.
    const std::string atLimit = "uninst.exe -c C:\\" + Repeat('a', 259 - 23) + "\\k.dll";
    const ParseCase cases[] = {
        {"quoted path with spaces", "uninst.exe -c \"C:\\Program Files\\Velumbra\\Kestrun.dll\"",
         NoLeadBytes, true, "C:\\Program Files\\Velumbra\\"},
        {"unquoted path with spaces", "uninst.exe -c C:\\Program Files\\Velumbra\\Kestrun.dll",
         NoLeadBytes, true, "C:\\Program Files\\Velumbra\\"},
        {"switch directly before the quote", "uninst.exe -c\"C:\\Velumbra\\k.dll\"", NoLeadBytes,
         true, "C:\\Velumbra\\"},
        {"switch directly before the path", "uninst.exe -cC:\\Velumbra\\k.dll", NoLeadBytes, true,
         "C:\\Velumbra\\"},
        {"blanks before the path", "uninst.exe -c \t \"C:\\Velumbra\\k.dll\"", NoLeadBytes, true,
         "C:\\Velumbra\\"},
        {"no backslash", "uninst.exe -c \"Kestrun.dll\"", NoLeadBytes, true, ""},
        {"only backslash first", "uninst.exe -c \\Kestrun.dll", NoLeadBytes, true, ""},
        {"only backslash first, quoted", "uninst.exe -c \"\\Kestrun.dll\"", NoLeadBytes, true, ""},
        {"a lone backslash is a folder", "uninst.exe -c \\", NoLeadBytes, true, "\\"},
        {"switch at the end", "uninst.exe -c", NoLeadBytes, true, ""},
        {"no switch", "uninst.exe /c C:\\Velumbra\\k.dll", NoLeadBytes, false, ""},
        {"switch is case-sensitive", "uninst.exe -C C:\\Velumbra\\k.dll", NoLeadBytes, false, ""},
        {"empty command line", "", NoLeadBytes, false, ""},
        // Arguments after the path stay part of it.
        {"argument after the quoted path", "uninst.exe -c \"C:\\Velumbra\\k.dll\" /S", NoLeadBytes,
         true, "C:\\Velumbra\\"},
        {"argument with a backslash after the path",
         "uninst.exe -c \"C:\\Velumbra\\k.dll\" /D=C:\\Other", NoLeadBytes, true,
         "C:\\Velumbra\\k.dll\" /D=C:\\"},
        // The first "-c" anywhere in the line counts.
        {"first -c inside the program path", "C:\\my-cache\\uninst.exe -c \"C:\\V\\k.dll\"",
         NoLeadBytes, true, "ache\\uninst.exe -c \"C:\\V\\"},
        // 0x95 0x5C is one Shift-JIS character whose trail byte is a backslash.
        {"double-byte trail backslash in the name", "uninst.exe -c C:\\A\\k\x95\\.dll",
         ShiftJisLead, true, "C:\\A\\"},
        {"same bytes read as single bytes", "uninst.exe -c C:\\A\\k\x95\\.dll", NoLeadBytes, true,
         "C:\\A\\k\x95\\"},
        {"double-byte trail backslash ends the folder", "uninst.exe -c \"C:\\A\x95\\\\k.dll\"",
         ShiftJisLead, true, "C:\\A\x95\\\\"},
        // A closing quote that is the trail of a double-byte character stays.
        {"double-byte trail quote", "uninst.exe -c \"C:\\A\\k\x81\"", HighByteLead, true,
         "C:\\A\\"},
        {"lead byte before the switch", "uninst.exe \x81-c C:\\A\\k.dll", HighByteLead, true,
         "C:\\A\\"},
        {"longest command line", atLimit, NoLeadBytes, true, "C:\\" + Repeat('a', 259 - 23) + "\\"},
        {"command line one byte too long", atLimit + "x", NoLeadBytes, false, ""},
        {"far too long", "uninst.exe -c C:\\" + sixty + sixty + sixty + sixty + sixty + "\\k.dll",
         NoLeadBytes, false, ""},
    };
    ASSERT_EQ(259u, atLimit.size());
    for (const ParseCase& c : cases) {
        char hookFolder[kHookPathSize];
        memset(hookFolder, 'x', sizeof hookFolder);
        bool found = ParseHookFolder(c.commandLine.c_str(), hookFolder, sizeof hookFolder, c.isLead);
        EXPECT_EQ(c.found, found) << c.what;
        EXPECT_EQ(c.folder, hookFolder) << c.what;
    }
}

TEST(ParseHookFolder, RefusesAFolderThatDoesNotFitInsteadOfCuttingIt) {
    char hookFolder[8];
    EXPECT_TRUE(ParseHookFolder("-c C:\\Velumbra\\k.dll", hookFolder, sizeof hookFolder, NoLeadBytes));
    EXPECT_STREQ("", hookFolder);
    EXPECT_TRUE(ParseHookFolder("-c C:\\Vel\\k.dll", hookFolder, sizeof hookFolder, NoLeadBytes));
    EXPECT_STREQ("C:\\Vel\\", hookFolder);
}

struct EndsCase {
    const char* text;
    char c;
    LeadByteTest isLead;
    bool ends;
};

TEST(EndsWithChar, ComparesOnlyASingleByteLastCharacter) {
    const EndsCase cases[] = {
        {"", '"', NoLeadBytes, false},
        {"\"", '"', NoLeadBytes, true},
        {"C:\\k.dll\"", '"', NoLeadBytes, true},
        {"C:\\k.dll", '"', NoLeadBytes, false},
        {"k\x81\"", '"', HighByteLead, false},  // the quote is a trail byte
        {"k\x81\"", '"', NoLeadBytes, true},
        {"k\x95\\", '\\', ShiftJisLead, false},
        {"k\x95", '\x95', ShiftJisLead, false},  // a lead byte cut off at the end
        {"\x95\\\"", '"', ShiftJisLead, true},   // a double-byte character before it
    };
    for (const EndsCase& c : cases) {
        EXPECT_EQ(c.ends, EndsWithChar(c.text, c.c, c.isLead)) << '"' << c.text << '"';
    }
}

struct SplitCase {
    const char* path;
    LeadByteTest isLead;
    const char* folder;
    const char* name;
};

TEST(SplitAtLastChar, SplitsAfterTheLastSingleByteSeparator) {
    const SplitCase cases[] = {
        {"", NoLeadBytes, "", ""},
        {"k.dll", NoLeadBytes, "", "k.dll"},
        {"\\k.dll", NoLeadBytes, "", "\\k.dll"},
        {"\\", NoLeadBytes, "\\", ""},
        {"a\\", NoLeadBytes, "a\\", ""},
        {"C:\\A\\k.dll", NoLeadBytes, "C:\\A\\", "k.dll"},
        {"C:\\A\\\\k.dll", NoLeadBytes, "C:\\A\\\\", "k.dll"},
        {"C:\\A\\k\x95\\.dll", ShiftJisLead, "C:\\A\\", "k\x95\\.dll"},
        {"C:\\A\\k\x95\\", ShiftJisLead, "C:\\A\\", "k\x95\\"},
        {"\x95\\", ShiftJisLead, "", "\x95\\"},
        {"\x95\\\\k", ShiftJisLead, "\x95\\\\", "k"},
        {"C:\\A\\k\x95", ShiftJisLead, "C:\\A\\", "k\x95"},
    };
    for (const SplitCase& c : cases) {
        char folder[kHookPathSize];
        char name[kHookPathSize];
        EXPECT_TRUE(SplitAtLastChar(c.path, folder, sizeof folder, name, sizeof name, '\\', c.isLead))
            << c.path;
        EXPECT_STREQ(c.folder, folder) << c.path;
        EXPECT_STREQ(c.name, name) << c.path;
    }
}

TEST(SplitAtLastChar, UsesTheGivenSeparator) {
    char folder[16];
    char name[16];
    EXPECT_TRUE(SplitAtLastChar("a/b\\c", folder, sizeof folder, name, sizeof name, '/', NoLeadBytes));
    EXPECT_STREQ("a/", folder);
    EXPECT_STREQ("b\\c", name);
}

TEST(SplitAtLastChar, LeavesBothPartsEmptyWhenOneDoesNotFit) {
    char folder[6];
    char name[4];
    EXPECT_TRUE(SplitAtLastChar("C:\\A\\k.d", folder, sizeof folder, name, sizeof name, '\\',
                                NoLeadBytes));
    EXPECT_STREQ("C:\\A\\", folder);
    EXPECT_STREQ("k.d", name);
    EXPECT_FALSE(SplitAtLastChar("C:\\AB\\k", folder, sizeof folder, name, sizeof name, '\\',
                                 NoLeadBytes));
    EXPECT_STREQ("", folder);
    EXPECT_STREQ("", name);
    EXPECT_FALSE(SplitAtLastChar("C:\\k.dll", folder, sizeof folder, name, sizeof name, '\\',
                                 NoLeadBytes));
    EXPECT_STREQ("", folder);
    EXPECT_STREQ("", name);
}

TEST(CopyWhole, CopiesOnlyWhatFits) {
    char out[4];
    EXPECT_TRUE(CopyWhole(out, sizeof out, "abc"));
    EXPECT_STREQ("abc", out);
    EXPECT_FALSE(CopyWhole(out, sizeof out, "abcd"));
    EXPECT_STREQ("", out);
}

}  // namespace
