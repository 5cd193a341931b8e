// The table's start-up read of the alert table and the two sides' cards from the data folder.
#include "bidding/BiddingData.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace corvane {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

// A data folder holding the shipped files named.
void CopyShipped(const TempFolder& folder, std::initializer_list<const char*> names) {
    for (const char* name : names)
        fs::copy_file(fs::path(CORVANE_SOURCE_DIR "/data") / name, folder.File(name));
}

TEST(BiddingDataStartup, WithoutTheAlertTableStartUpFailsWithItsMessageAndReadsNoCard) {
    TempFolder folder;
    CopyShipped(folder, {"Std American.cc", "Two over One.cc"});
    BiddingData data;
    const BiddingDataStartup startup =
        LoadTableBiddingData(data, folder.Path(), "Two over One.cc", "");
    EXPECT_TRUE(startup.Fatal);
    EXPECT_EQ(startup.Messages,
              (std::vector<std::string>{
                  "The \"Alerts.txt\" file is not available. Please reinstall Corvane."}));
    EXPECT_TRUE(data.Cards.State(1).CardFileName.empty());
}

TEST(BiddingDataStartup, EachSideGetsItsOwnCardAndAMissingOneTheDefault) {
    TempFolder folder;
    CopyShipped(folder, {"Alerts.txt", "Std American.cc", "Two over One.cc"});
    BiddingData data;
    BiddingDataStartup startup = LoadTableBiddingData(data, folder.Path(), "Two over One.cc", "");
    EXPECT_FALSE(startup.Fatal);
    EXPECT_TRUE(startup.Messages.empty());
    EXPECT_EQ(data.Cards.State(1).CardFileName, "Two over One.cc");
    EXPECT_EQ(data.Cards.State(2).CardFileName, "Std American.cc");
    EXPECT_FALSE(data.Cards.Card(1).ToText() == data.Cards.Card(2).ToText());
    EXPECT_GT(data.Alerts.LargestNumber(), 0);

    BiddingData again;
    startup = LoadTableBiddingData(again, folder.Path(), "Gone.cc", "Two over One.cc");
    EXPECT_FALSE(startup.Fatal);
    ASSERT_EQ(startup.Messages.size(), 1u);
    EXPECT_NE(startup.Messages[0].find(
                  "Gone.cc has not been found. \"Std American.cc\" is being substituted for N-S"),
              std::string::npos);
    EXPECT_EQ(again.Cards.State(1).CardFileName, "Std American.cc");
    EXPECT_EQ(again.Cards.Card(1).ToText(), data.Cards.Card(2).ToText());
}

TEST(BiddingDataStartup, WithoutTheDefaultCardStartUpFailsOnce) {
    TempFolder folder;
    CopyShipped(folder, {"Alerts.txt", "Two over One.cc"});
    BiddingData data;
    const BiddingDataStartup startup =
        LoadTableBiddingData(data, folder.Path(), "Two over One.cc", "Two over One.cc");
    EXPECT_TRUE(startup.Fatal);
    ASSERT_EQ(startup.Messages.size(), 1u);
    EXPECT_NE(startup.Messages[0].find(
                  "/Std American.cc\" file has not been found. You must now re-install Corvane"),
              std::string::npos);
}

} // namespace
} // namespace corvane
