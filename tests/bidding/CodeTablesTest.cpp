#include "bidding/CodeTables.h"
#include "platform/FileIo.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace corvane {
namespace {

TEST(CodeTable, EntriesAreSortedAndSplitAtTheFirstEquals) {
    const CodeTable table = CodeTable::FromText("17=Seventeen\r\nb=x=y\r\n2=Two\r\nNoEquals\r\n\r\n1=One\r\n");
    EXPECT_EQ(table.Lines(), (std::vector<std::string>{"1=One", "17=Seventeen", "2=Two", "b=x=y", "NoEquals"}));
    EXPECT_EQ(table.Value("b"), "x=y");
    EXPECT_EQ(table.Value("B"), "x=y");
    EXPECT_EQ(table.Value("NoEquals"), "");
    EXPECT_EQ(CodeTable::EntryCode("NoEquals"), "NoEquals");
    EXPECT_EQ(CodeTable::EntryText("NoEquals"), "");
    EXPECT_EQ(table.LargestNumber(), 17);  // the next inserted alert is 18
    EXPECT_EQ(CodeTable::FromText("x=1\ny=2").LargestNumber(), 0);
}

TEST(ExplanationText, AlertTextElseTheCodeWrittenAsWords) {
    const CodeTable alerts = CodeTable::FromText("7=Transfer to the next suit up\n");
    EXPECT_EQ(ExplanationText("7", alerts), "Transfer to the next suit up");
    EXPECT_EQ(ExplanationText("8", alerts), "8");
    EXPECT_EQ(ExplanationText("WEAK TWO", alerts), "Weak Two");
    EXPECT_EQ(ExplanationText("SHOWS.BOTH.MAJORS", alerts), "Shows both majors");
    EXPECT_EQ(ExplanationText("", alerts), "");
    EXPECT_EQ(ExplanationText("ACE ask", CodeTable{}), "Ace ask");  // a letter after a blank keeps its case
}

class CodeTableFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = (std::filesystem::temp_directory_path() /
                  ("corvane-codes-" + std::string(
                                          ::testing::UnitTest::GetInstance()->current_test_info()->name())))
                     .string() +
                 "/";
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
    std::string folder;
};

TEST_F(CodeTableFilesTest, MissingAlertTableFailsStartUpWithItsMessage) {
    const AlertTableLoad missing = LoadAlertTable(folder);
    EXPECT_TRUE(missing.Failed);
    EXPECT_EQ(missing.Message, "The \"Alerts.txt\" file is not available. Please reinstall Corvane.");
    EXPECT_EQ(ExplanationText("12", missing.Table), "12");

    ASSERT_EQ(platform::WriteFileAtomically(folder + "Alerts.txt", "12=Forcing Stayman\r\n"), "");
    const AlertTableLoad loaded = LoadAlertTable(folder);
    EXPECT_FALSE(loaded.Failed);
    EXPECT_EQ(AlertText(loaded.Table, "12"), "Forcing Stayman");
}

TEST_F(CodeTableFilesTest, ReferenceTablesLoadEmptyWhenMissingAndSaveBack) {
    EXPECT_TRUE(LoadCodeTable(code_table::SuitCodes, folder).Lines().empty());
    const CodeTable edited = CodeTable::FromLines({"Q=Queen", "A=Ace"});
    EXPECT_EQ(SaveCodeTable(code_table::QualityCodes, folder, edited), "");
    EXPECT_EQ(LoadCodeTable(code_table::QualityCodes, folder).Lines(),
              (std::vector<std::string>{"A=Ace", "Q=Queen"}));
    EXPECT_EQ(CodeTableInfos[code_table::QualityCodes].File, "QualityCodes.txt");
}

}  // namespace
}  // namespace corvane
