// A table with a recording view, the test solver and a memory hand file, on boards dealt from
// known seeds.
#pragma once

#include "FakeSolverLibrary.h"
#include "FakeTableView.h"
#include "table/MemoryHandFile.h"
#include "table/TableController.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>

namespace corvane::testing {

// Calls from a script, then passes.
class ScriptedBidder : public Bidder {
public:
    std::deque<CallCode> Script;
    int Accepted = 0;

    void StartAuction(const TableHands&, const TableAuction&) override { Script = Original; }
    CallCode ChooseCall(const TableHands&, const TableAuction&, TSeat, bool) override {
        if (Script.empty()) return Pass;
        const CallCode c = Script.front();
        Script.pop_front();
        return c;
    }
    std::string AcceptCall(const TableAuction&, TSeat, CallCode) override {
        ++Accepted;
        return {};
    }
    void SwapConventionCards() override { ++Swaps; }
    std::deque<CallCode> Original;  // replayed from the start of every auction
    int Swaps = 0;
};

class TableTest : public ::testing::Test {
protected:
    FakeTableView view;
    ScriptedBidder bidder;
    FakeSolverLibrary solver;
    MemoryHandFileShelf files;
    DealingState dealing;
    TableOptions options;
    std::unique_ptr<TableController> table;

    // Boards 1.. from the given seeds, then the table at board 1.
    void Build(std::initializer_list<std::int32_t> seeds = {12345}) {
        int number = 1;
        for (std::int32_t seed : seeds) {
            const DealtBoard dealt = DealFromSeed(seed);
            BoardRecord board;
            board.Holdings = dealt.Holdings;
            board.Dealer = dealt.Dealer;
            board.Vul = dealt.Vul;
            board.BoardText = std::to_string(number);
            board.SeedText = dealt.SeedText();
            files.NewHands().AddBoard(number++, board);
        }
        table = std::make_unique<TableController>(view, bidder, solver, files, dealing, options);
    }
    void Start(std::initializer_list<std::int32_t> seeds = {12345}) {
        Build(seeds);
        table->StartNewHand();
    }

    const TableState& S() const { return table->State(); }
    const THands& H(TSeat seat) const { return table->Hands()[seat]; }

    void Key(char c) { table->KeyDown(TableKey::Char(c)); }
    void Key(KeyCode code) { table->KeyDown(TableKey::Of(code)); }
    void Type(const std::string& keys) {
        for (char c : keys) Key(c);
    }
    // Enter until the hand is over: plays the selected card or clears the trick.
    void PlayOutWithEnter(int limit = 200) {
        for (int i = 0; i < limit && S().Phase == PhasePlaying; ++i) Key(KeyCode::Enter);
    }
    // The auction South 1H, all pass on board 12345 (dealer East): South declares, North dummy.
    void BidOneHeartBySouth() {
        Start();
        Type("1H");
        ASSERT_EQ(S().Phase, PhaseBiddingOver);
        table->StartButtonClick();
        ASSERT_EQ(S().Phase, PhasePlaying);
    }
    int CardsHeld() const {
        int n = 0;
        for (const auto& h : table->Hands()) n += h.CardCount();
        return n;
    }
};

}  // namespace corvane::testing
