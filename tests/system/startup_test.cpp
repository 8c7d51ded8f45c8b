// Start-up of velumbra.scr as the system starts it: the role chosen by the
// command line, the settings it loads, migration of the previous version's
// settings, and the fatal-error path.
#include <gtest/gtest.h>

#include "registry.h"
#include "saver.h"

namespace {

const char kRegistryMessage[] = "The Velumbra settings could not be read from or written to the registry.";

class Startup : public testing::Test {
protected:
    void SetUp() override { ClearSettings(); }
    void TearDown() override { ClearSettings(); }

    // Settings with which the saver role fails visibly at once: the other
    // screen saver it must start does not exist.
    static void StoreMissingOtherSaver() {
        SetDword(HKEY_LOCAL_MACHINE, kSettingsKey, "RunOtherSaver", 1);
        SetString(HKEY_LOCAL_MACHINE, kSettingsKey, "OtherSaver", "nosuchsaver");
    }

    static void ExpectEndsQuietly(const std::string& arguments) {
        SaverRun run = RunSaver(arguments);
        EXPECT_EQ(run.messageBox.window, nullptr)
            << "\"" << arguments << "\" showed \"" << run.messageBox.text << "\"";
        EXPECT_EQ(run.exitCode, 0u) << "\"" << arguments << "\"";
    }
};

TEST_F(Startup, NoArgumentAndEverySpellingOfTheSaverSwitchRunTheSaver) {
    StoreMissingOtherSaver();
    for (const char* arguments : {"", "/s", "-s", "s", "/saver"}) {
        SaverRun run = RunSaver(arguments);
        EXPECT_EQ(run.exitCode, 1u) << "\"" << arguments << "\"";
        EXPECT_EQ(run.messageBox.caption, "Velumbra") << "\"" << arguments << "\"";
        EXPECT_EQ(run.messageBox.text, "The screen saver nosuchsaver could not be started.")
            << "\"" << arguments << "\"";
        EXPECT_TRUE(run.messageBox.hasIcon) << "\"" << arguments << "\"";
    }
}

TEST_F(Startup, OtherRolesAndUnknownSwitchesDoNotRunTheSaver) {
    StoreMissingOtherSaver();
    for (const char* arguments : {"/c", "/c:1234", "/config", "-c", "/S", "/P", "/C", "/", "-", "/x", "//s"}) {
        ExpectEndsQuietly(arguments);
    }
}

TEST_F(Startup, PreviewWithoutAWindowEndsAtOnce) {
    for (const char* arguments : {"/p", "/p 0", "/p 12345678", "/p notahandle", "/p -1"}) {
        ExpectEndsQuietly(arguments);
    }
}

TEST_F(Startup, CommandLinesOfAnyLengthAreHandled) {
    ExpectEndsQuietly("/x" + std::string(20000, 'y'));
    ExpectEndsQuietly("/p " + std::string(5000, '9'));
    ExpectEndsQuietly("/c " + std::string(300, 'a') + " " + std::string(300, 'b'));
}

TEST_F(Startup, NoSettingsKeyLoadsAsAllZeroAndCreatesNothing) {
    // With nothing stored the saver forces Off at 15 minutes and ends after
    // choosing it; the settings are only read.
    ExpectEndsQuietly("/s");
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, "SOFTWARE\\Velumbra Software"));
}

TEST_F(Startup, RegistryValuesThatDoNotFitEndWithTheRegistryMessage) {
    struct Case {
        const char* name;
        DWORD type;
        std::string data;
    };
    const Case cases[] = {
        {"SoundFile", REG_SZ, std::string(300, 'a')},                   // longer than 255 characters
        {"SoundFile", REG_BINARY, std::string(256, 'a')},               // fills the buffer, no terminator
        {"VesaMajorVersion", REG_SZ, std::string(16, '1')},             // longer than 15 characters
        {"MouseSensitivity", REG_BINARY, std::string("\1\2\3\4\5\6", 6)},  // larger than a DWORD
        {"OffEnabled", REG_SZ, std::string("enabled", 8)},              // a string larger than a DWORD
    };
    for (const Case& c : cases) {
        ClearSettings();
        SetRaw(HKEY_LOCAL_MACHINE, kSettingsKey, c.name, c.type, c.data.data(), static_cast<DWORD>(c.data.size()));
        SaverRun run = RunSaver("/c");
        EXPECT_EQ(run.exitCode, 1u) << c.name << " of " << c.data.size() << " bytes";
        EXPECT_EQ(run.messageBox.caption, "Velumbra") << c.name;
        EXPECT_EQ(run.messageBox.text, kRegistryMessage) << c.name;
        EXPECT_TRUE(run.messageBox.hasIcon) << c.name;
    }
}

TEST_F(Startup, ValuesThatFitLoadWhateverTheirStoredType) {
    // Shorter values than the destination, and exactly full text fields.
    SetRaw(HKEY_LOCAL_MACHINE, kSettingsKey, "MouseSensitivity", REG_BINARY, "\7", 1);
    SetString(HKEY_LOCAL_MACHINE, kSettingsKey, "SoundFile", std::string(255, 'a'));
    SetString(HKEY_LOCAL_MACHINE, kSettingsKey, "VesaMajorVersion", std::string(15, '1'));
    SetRaw(HKEY_LOCAL_MACHINE, kSettingsKey, "OtherSaver", REG_DWORD, "\1\0\0\0", 4);
    SetRaw(HKEY_LOCAL_MACHINE, kSettingsKey, "OffEnabled", REG_SZ, "on", 3);
    ExpectEndsQuietly("/c");
}

class Migration : public Startup {
protected:
    // A complete set of previous-version values, each different from zero.
    static void StorePreviousSettings() {
        const char* dwords[] = {"MouseSensitivity", "StartBeforeLogon", "SuspendEnabled", "SuspendMinutes",
                                "StandbyEnabled", "StandbyMinutes", "OffEnabled", "OffMinutes",
                                "AnnounceEnabled", "AnnounceSeconds", "BeepAtStart", "PlaySoundAtStart",
                                "RunOtherSaver", "StandbySupported", "SuspendSupported", "ReducedOnSupported",
                                "OffSupported", "PowerSavingReported", "OverrideCapabilities",
                                "IgnoreAdapterErrors", "UseDisplayEscape"};
        for (const char* name : dwords) SetDword(HKEY_LOCAL_MACHINE, kPreviousSettingsKey, name, 1);
        SetDword(HKEY_LOCAL_MACHINE, kPreviousSettingsKey, "OffMinutes", 40);
        SetDword(HKEY_LOCAL_MACHINE, kPreviousSettingsKey, "OffEnabled", 5);
        SetDword(HKEY_LOCAL_MACHINE, kPreviousSettingsKey, "LogonDelaySeconds", 150);
        SetString(HKEY_LOCAL_MACHINE, kPreviousSettingsKey, "SoundFile", "C:\\sounds\\night.wav");
        SetString(HKEY_LOCAL_MACHINE, kPreviousSettingsKey, "OtherSaver", "starfield");
        SetString(HKEY_LOCAL_MACHINE, kPreviousSettingsKey, "VesaMinorVersion", "00");
        SetString(HKEY_LOCAL_MACHINE, kPreviousSettingsKey, "VesaMajorVersion", "01");
    }
};

TEST_F(Migration, MovesEveryValueIntoTheCurrentKeyAndDeletesThePreviousOne) {
    StorePreviousSettings();
    SetDword(HKEY_LOCAL_MACHINE, kSettingsKey, "OffMinutes", 7);  // overwritten
    ExpectEndsQuietly("/c");

    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kPreviousSettingsKey));
    EXPECT_EQ(GetDword(HKEY_LOCAL_MACHINE, kSettingsKey, "OffMinutes"), 40u);
    EXPECT_EQ(GetDword(HKEY_LOCAL_MACHINE, kSettingsKey, "OffEnabled"), 1u) << "a flag stored as 5 is saved as 1";
    EXPECT_EQ(GetDword(HKEY_LOCAL_MACHINE, kSettingsKey, "LogonDelaySeconds"), 120u)
        << "150 seconds load as 2 minutes";
    EXPECT_EQ(GetDword(HKEY_LOCAL_MACHINE, kSettingsKey, "StandbyMinutes"), 1u);
    EXPECT_EQ(GetString(HKEY_LOCAL_MACHINE, kSettingsKey, "SoundFile"), "C:\\sounds\\night.wav");
    EXPECT_EQ(GetString(HKEY_LOCAL_MACHINE, kSettingsKey, "OtherSaver"), "starfield");
    EXPECT_EQ(GetString(HKEY_LOCAL_MACHINE, kSettingsKey, "VesaMajorVersion"), "01");
    // All 26 values, nothing else.
    std::string dump = Dump(HKEY_LOCAL_MACHINE, kSettingsKey);
    EXPECT_EQ(std::count(dump.begin(), dump.end(), '\n'), 27) << dump;
}

TEST_F(Migration, ValuesThePreviousVersionLackedBecomeZeroOrEmpty) {
    SetDword(HKEY_LOCAL_MACHINE, kPreviousSettingsKey, "OffEnabled", 0);
    SetDword(HKEY_LOCAL_MACHINE, kSettingsKey, "MouseSensitivity", 9);
    SetString(HKEY_LOCAL_MACHINE, kSettingsKey, "SoundFile", "C:\\old.wav");
    ExpectEndsQuietly("/c");
    EXPECT_EQ(GetDword(HKEY_LOCAL_MACHINE, kSettingsKey, "MouseSensitivity"), 0u);
    EXPECT_EQ(GetString(HKEY_LOCAL_MACHINE, kSettingsKey, "SoundFile"), "");
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kPreviousSettingsKey));
}

TEST_F(Migration, APreviousKeyWithoutTheOffValueIsLeftAlone) {
    SetDword(HKEY_LOCAL_MACHINE, kPreviousSettingsKey, "OffMinutes", 40);
    ExpectEndsQuietly("/c");
    EXPECT_EQ(GetDword(HKEY_LOCAL_MACHINE, kPreviousSettingsKey, "OffMinutes"), 40u);
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kSettingsKey));
}

TEST_F(Migration, APreviousKeyThatCannotBeDeletedIsMigratedAgainAtEveryStart) {
    StorePreviousSettings();
    SetDword(HKEY_LOCAL_MACHINE, std::string(kPreviousSettingsKey) + "\\Extra", "Keep", 1);
    ExpectEndsQuietly("/c");
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kPreviousSettingsKey));
    EXPECT_EQ(GetDword(HKEY_LOCAL_MACHINE, kSettingsKey, "OffMinutes"), 40u);

    SetDword(HKEY_LOCAL_MACHINE, kSettingsKey, "OffMinutes", 3);
    ExpectEndsQuietly("/p");
    EXPECT_EQ(GetDword(HKEY_LOCAL_MACHINE, kSettingsKey, "OffMinutes"), 40u);
}

TEST_F(Migration, FailingRegistryValueInThePreviousKeyEndsWithTheRegistryMessage) {
    SetDword(HKEY_LOCAL_MACHINE, kPreviousSettingsKey, "OffEnabled", 1);
    SetString(HKEY_LOCAL_MACHINE, kPreviousSettingsKey, "SoundFile", std::string(400, 'x'));
    SaverRun run = RunSaver("/c");
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_EQ(run.messageBox.text, kRegistryMessage);
}

}  // namespace
