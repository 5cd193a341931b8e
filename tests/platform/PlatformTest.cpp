#include "platform/DataFolder.h"
#include "platform/FileTimes.h"
#include "platform/Trash.h"
#include "platform/UserName.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace corvane::platform {
namespace {

using test::ReadFile;
using test::TempFolder;
using test::WriteFile;

// Sets an environment variable for the test's lifetime.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        had_ = std::getenv(name) != nullptr;
        if (value) ::setenv(name, value, 1);
        else ::unsetenv(name);
    }
    ~ScopedEnv() {
        if (had_) ::setenv(name_, old_.c_str(), 1);
        else ::unsetenv(name_);
    }

private:
    const char* name_;
    std::string old_;
    bool had_ = false;
};

TEST(DataFolder, FollowsTheXdgDataHomeElseTheHomeFolder) {
    {
        ScopedEnv xdg("XDG_DATA_HOME", "/srv/data");
        EXPECT_EQ(DataFolderPath(), "/srv/data/Corvane/Ver 6/");
    }
    ScopedEnv home("HOME", "/home/ann");
    ScopedEnv relative("XDG_DATA_HOME", "relative/path");  // not absolute: ignored
    EXPECT_EQ(DataFolderPath(), "/home/ann/.local/share/Corvane/Ver 6/");
}

TEST(DataFolder, IsCreatedWhenMissingOrSaysItCannotBe) {
    TempFolder temp;
    const std::string folder = temp.File("a/b/Corvane/Ver 6/");
    EXPECT_EQ(CreateDataFolder(folder), "");
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_EQ(CreateDataFolder(folder), "");  // already there

    WriteFile(temp.File("file"), "x");
    const std::string blocked = temp.File("file/Corvane/Ver 6/");
    EXPECT_EQ(CreateDataFolder(blocked), "Cannot create " + blocked);

    ScopedEnv xdg("XDG_DATA_HOME", temp.File("file").c_str());
    std::string error;
    PrepareDataFolder(error);
    EXPECT_EQ(error, "Cannot create " + blocked);
}

TEST(DataFolder, ShippedFilesAreCopiedOnlyWhereThePersonHasNone) {
    TempFolder temp;
    const std::string shipped = temp.File("shipped");
    std::filesystem::create_directories(shipped + "/cards");
    WriteFile(shipped + "/Alerts.txt", "shipped alerts");
    WriteFile(shipped + "/cards/Std American.cc", "shipped card");
    const std::string data = temp.File("data");
    std::filesystem::create_directories(data);
    WriteFile(data + "/Alerts.txt", "my own alerts");

    EXPECT_EQ(InstallShippedFiles(shipped, data), 1);
    EXPECT_EQ(ReadFile(data + "/Alerts.txt"), "my own alerts");
    EXPECT_EQ(ReadFile(data + "/cards/Std American.cc"), "shipped card");
    EXPECT_EQ(InstallShippedFiles(shipped, data), 0);
    EXPECT_EQ(InstallShippedFiles("", data), 0);
}

TEST(Trash, FilesGoToTheTrashWithARecordAndRepeatedNamesAreNumbered) {
    TempFolder temp;
    ScopedEnv xdg("XDG_DATA_HOME", temp.File("xdg").c_str());
    WriteFile(temp.File("New Hands.ini"), "first");
    ASSERT_EQ(MoveToTrash(temp.File("New Hands.ini")), "");
    WriteFile(temp.File("New Hands.ini"), "second");
    ASSERT_EQ(MoveToTrash(temp.File("New Hands.ini")), "");
    EXPECT_FALSE(std::filesystem::exists(temp.File("New Hands.ini")));
    EXPECT_EQ(ReadFile(temp.File("xdg/Trash/files/New Hands.ini")), "first");
    EXPECT_EQ(ReadFile(temp.File("xdg/Trash/files/New Hands.2.ini")), "second");
    const std::string info = ReadFile(temp.File("xdg/Trash/info/New Hands.ini.trashinfo"));
    EXPECT_EQ(info.rfind("[Trash Info]\nPath=", 0), 0u);
    EXPECT_NE(info.find("/New%20Hands.ini\nDeletionDate="), std::string::npos);

    const std::string error = MoveToTrash(temp.File("missing.ini"));
    EXPECT_NE(error.find("missing.ini"), std::string::npos);
}

TEST(FileTimes, DatesAreWrittenYearMonthDay) {
    TempFolder temp;
    WriteFile(temp.File("f"), "x");
    const auto when = std::filesystem::file_time_type::clock::now() - std::chrono::hours(24 * 400);
    std::filesystem::last_write_time(temp.File("f"), when);
    const std::string date = FileModifiedDate(temp.File("f"));
    ASSERT_EQ(date.size(), 10u);
    EXPECT_EQ(date[4], '.');
    EXPECT_EQ(date[7], '.');
    EXPECT_NE(date, TodayText());
    EXPECT_EQ(FileModifiedDate(temp.File("none")), "");
    EXPECT_FALSE(FileModifiedNanoseconds(temp.File("none")).has_value());
    EXPECT_FALSE(UserName().empty());
}

}  // namespace
}  // namespace corvane::platform
