#include "TableFixture.h"
#include "bidding/CallText.h"
#include "support/Sanitizer.h"
#include "table/SdsSolverLibrary.h"

namespace corvane::testing {
namespace {

// The computer plays all four seats with the library's own card play.
class TableSingleDummyTest : public TableTest {
protected:
    SdsSolverLibrary library;

    void BuildWithLibrary() {
        options.HandsPlayed = 0;
        options.PlayLevel = 0;  // the fewest samples per card
        Build();
        table = std::make_unique<TableController>(view, bidder, library, files, dealing, options);
        bidder.Original = {Pass, CallFromText("1H")};
    }
};

TEST_F(TableSingleDummyTest, AWholeHandPlaysThroughTheLibraryWithoutErrors) {
    CORVANE_SKIP_FULL_TABLES_UNDER_SANITIZERS();
    BuildWithLibrary();
    table->GoToBoard(1);
    EXPECT_EQ(S().Phase, PhaseHandOver);
    EXPECT_EQ(S().Contract, CallFromText("1H"));
    EXPECT_FALSE(S().EngineError);
    EXPECT_FALSE(view.ProgramEnded);
    for (const std::string& m : view.Messages) {
        EXPECT_EQ(m.find("error"), std::string::npos) << m;
        EXPECT_NE(m, "BestCard = 0");
    }
}

}  // namespace
}  // namespace corvane::testing
