#include "store/registry_store.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "platform/handles.h"
#include "tests/support/saved_key.h"
#include "tests/support/this_program.h"

namespace quorvel::test {
namespace {

using namespace quorvel::win;

using store::RegistryStore;

// A scratch key of the tests' own stands in for Software: a user's settings are never touched.
constexpr char kScratchKey[] = "Software\\Quorvel registry store tests";
constexpr char kCompanyPath[] = "Software\\Quorvel registry store tests\\Vantrel";
constexpr char kSettingsPath[] =
    "Software\\Quorvel registry store tests\\Vantrel\\Quorvel\\Settings";

bool KeyExists(const char* path) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
    RegCloseKey(opened);
    return true;
}

// Puts a raw value in place, as another program or a hand edit might.
void PutRawValue(const char* name, DWORD type, const void* data, DWORD size) {
    HKEY created = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsPath, 0, nullptr, 0, KEY_SET_VALUE,
                              nullptr, &created, nullptr),
              ERROR_SUCCESS);
    UniqueKey key(created);
    ASSERT_EQ(RegSetValueExA(key.get(), name, 0, type, static_cast<const BYTE*>(data), size),
              ERROR_SUCCESS);
}

DWORD RawDword(const char* name) {
    DWORD value = 0;
    DWORD size = sizeof value;
    RegGetValueA(HKEY_CURRENT_USER, kSettingsPath, name, RRF_RT_REG_DWORD, nullptr, &value, &size);
    return value;
}

// Runs the probe program beside this test and returns its exit code.
int RunProbe(const std::string& arguments) {
    const std::string probe = BesideThisProgram("settings_probe.exe");
    std::string commandLine = "\"" + probe + "\" \"" + kScratchKey + "\" " + arguments;

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(probe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        ADD_FAILURE() << "cannot start " << probe;
        return INT_MIN;
    }
    UniqueHandle processHandle(process.hProcess);
    UniqueHandle threadHandle(process.hThread);
    if (WaitForSingleObject(processHandle.get(), 60000) != WAIT_OBJECT_0) {
        ADD_FAILURE() << "probe did not finish";
        TerminateProcess(processHandle.get(), 1);
        return INT_MIN;
    }
    DWORD exitCode = 0;
    GetExitCodeProcess(processHandle.get(), &exitCode);
    return static_cast<int>(exitCode);
}

class RegistryStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, kScratchKey);  // absent already is fine
        store.SetRoot("Vantrel", "Quorvel");
    }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kScratchKey); }

    RegistryStore store{kScratchKey};
};

TEST_F(RegistryStoreTest, UnrootedStoreReadsDefaultsAndRefusesWrites) {
    RegistryStore unrooted{kScratchKey};
    EXPECT_EQ(unrooted.GetProfileInt("Settings", "m_iLocX", 17), 17);
    EXPECT_FALSE(unrooted.WriteProfileInt("Settings", "m_iLocX", 5));
    unrooted.SetRoot("", "Quorvel");
    EXPECT_FALSE(unrooted.WriteProfileInt("Settings", "m_iLocX", 5));
    EXPECT_FALSE(KeyExists(kCompanyPath));
}

TEST_F(RegistryStoreTest, ReadingAnAbsentValueGivesTheDefaultAndCreatesNothing) {
    EXPECT_EQ(store.GetProfileInt("Settings", "m_iLocWidth", 100), 100);
    EXPECT_FALSE(KeyExists(kCompanyPath));

    ASSERT_TRUE(store.WriteProfileInt("Settings", "m_iLocX", 3));
    EXPECT_EQ(store.GetProfileInt("Settings", "m_iLocWidth", -4), -4);
    EXPECT_EQ(store.GetProfileInt("Social", "Googled", 0), 0);
    EXPECT_FALSE(KeyExists((std::string(kCompanyPath) + "\\Quorvel\\Social").c_str()));
}

TEST_F(RegistryStoreTest, ValuesRoundTripAsDwordsIncludingNegatives) {
    for (const int value : {0, 1, 9999999, -1, INT_MIN, INT_MAX}) {
        ASSERT_TRUE(store.WriteProfileInt("Settings", "m_ctrlRandomDelayScales", value));
        EXPECT_EQ(store.GetProfileInt("Settings", "m_ctrlRandomDelayScales", 42), value);
    }
    ASSERT_TRUE(store.WriteProfileInt("Settings", "m_iLocX", -1));
    EXPECT_EQ(RawDword("m_iLocX"), 0xFFFFFFFFu);
}

TEST_F(RegistryStoreTest, OnlyAFourByteDwordCountsAsAValue) {
    const char text[] = "5";
    const WORD shortNumber = 5;
    const ULONGLONG longNumber = 5;
    const DWORD bigEndianFive = 0x05000000;
    PutRawValue("asString", REG_SZ, text, sizeof text);
    PutRawValue("twoBytes", REG_BINARY, &shortNumber, sizeof shortNumber);
    PutRawValue("shortDword", REG_DWORD, &shortNumber, sizeof shortNumber);
    PutRawValue("quadWord", REG_QWORD, &longNumber, sizeof longNumber);
    PutRawValue("bigEndian", REG_DWORD_BIG_ENDIAN, &bigEndianFive, sizeof bigEndianFive);
    PutRawValue("fourBinaryBytes", REG_BINARY, &bigEndianFive, sizeof bigEndianFive);

    for (const char* name :
         {"asString", "twoBytes", "shortDword", "quadWord", "bigEndian", "fourBinaryBytes"}) {
        EXPECT_EQ(store.GetProfileInt("Settings", name, 77), 77) << name;
    }
}

TEST_F(RegistryStoreTest, ABatchReadsEachValueAsASingleReadWould) {
    const char text[] = "5";
    PutRawValue("asString", REG_SZ, text, sizeof text);
    ASSERT_TRUE(store.WriteProfileInt("Settings", "MDMU_MIN_DELAY", -3));
    int present = 0, wrongType = 0, absent = 0;
    const store::ProfileRead reads[] = {
        {"MDMU_MIN_DELAY", 50, &present}, {"asString", 20, &wrongType}, {"absent", 70, &absent}};
    store.GetProfileInts("Settings", reads);
    EXPECT_EQ(present, -3);
    EXPECT_EQ(wrongType, 20);
    EXPECT_EQ(absent, 70);

    store.GetProfileInts("Social", reads);
    EXPECT_EQ(present, 50) << "a missing section gives every default";
    EXPECT_FALSE(KeyExists((std::string(kCompanyPath) + "\\Quorvel\\Social").c_str()));
}

TEST_F(RegistryStoreTest, SectionsAreSeparateKeys) {
    ASSERT_TRUE(store.WriteProfileInt("Settings", "Googled", 7));
    ASSERT_TRUE(store.WriteProfileInt("Social", "Googled", 1));
    EXPECT_EQ(store.GetProfileInt("Settings", "Googled", 0), 7);
    EXPECT_EQ(store.GetProfileInt("Social", "Googled", 0), 1);
    EXPECT_TRUE(KeyExists((std::string(kCompanyPath) + "\\Quorvel\\Social").c_str()));
}

TEST_F(RegistryStoreTest, AWriteIsSeenAtOnceByAnotherProcessBothWays) {
    ASSERT_TRUE(store.WriteProfileInt("Settings", "m_iLocY", -250));
    EXPECT_EQ(RunProbe("read Settings m_iLocY 0"), -250);
    EXPECT_EQ(RunProbe("read Settings m_iLocHeight 100"), 100);

    // The area picker's direction: it writes and exits, then we read.
    ASSERT_EQ(RunProbe("write Settings m_oClosingPoint.x 640"), 1);
    EXPECT_EQ(store.GetProfileInt("Settings", "m_oClosingPoint.x", 0), 640);
}

// What the end-to-end suites rely on to give a user's settings back, even after a failure.
TEST_F(RegistryStoreTest, ASavedKeyIsPutBackAsItWasAndALaterOneIsRemoved) {
    ASSERT_TRUE(store.WriteProfileInt("Settings", "m_iLocX", 77));
    SavedKey saved(kCompanyPath);
    saved.SetUp();
    RegDeleteTreeA(HKEY_CURRENT_USER, kCompanyPath);
    ASSERT_TRUE(store.WriteProfileInt("Settings", "m_iLocY", 5));
    saved.TearDown();
    EXPECT_EQ(store.GetProfileInt("Settings", "m_iLocX", 0), 77);
    EXPECT_EQ(store.GetProfileInt("Settings", "m_iLocY", 0), 0);
    EXPECT_FALSE(KeyExists(saved.CopyPath().c_str()));

    RegDeleteTreeA(HKEY_CURRENT_USER, kCompanyPath);
    SavedKey nothingToSave(kCompanyPath);
    nothingToSave.SetUp();
    ASSERT_TRUE(store.WriteProfileInt("Settings", "m_iLocY", 5));
    nothingToSave.TearDown();
    EXPECT_FALSE(KeyExists(kCompanyPath));
}

}  // namespace
}  // namespace quorvel::test
