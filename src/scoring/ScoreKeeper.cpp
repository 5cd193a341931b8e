#include "scoring/ScoreKeeper.h"

#include "bidding/CallText.h"

#include <algorithm>

namespace corvane {

namespace {
constexpr int RubberBonusOpponentsNoGame = 700;
constexpr int RubberBonusOpponentsOneGame = 500;
constexpr size_t ResultTextLimit = 30;
constexpr int OtherSide(int side) { return 3 - side; }
}  // namespace

int ScoreKeeper::ScoreHand(CallCode contract, int doubling, TSeat declarer, int tricks,
                           bool vulnerable, ScoringMode mode, const DealHoldings& dealt,
                           const PadPosting& posting) {
    last_ = LastHand{};
    last_.JustEnded = true;
    last_.Contract = contract;
    last_.Doubling = doubling;
    last_.Declarer = declarer;
    last_.Score = ScoreContract(contract, doubling, tricks, vulnerable, mode);
    const bool post = mode == RubberScoring && !posting.BoardAlreadyScored &&
                      !posting.HandAlreadyHasTricks && !last_.Score.PassedOut();
    if (post) PostToPad(dealt);
    const int score = last_.Score.DeclarerScore();
    return Side(declarer) == 2 ? -score : score;
}

void ScoreKeeper::PostToPad(const DealHoldings& dealt) {
    const ScoreBreakdown& score = last_.Score;
    const int declaring = Side(last_.Declarer);
    const int defending = OtherSide(declaring);
    if (score.Bonus > 0) Pad.At(declaring, PadCounter::CurrOver) += score.Bonus;
    if (score.Penalty > 0) Pad.At(defending, PadCounter::CurrOver) += score.Penalty;
    if (score.Made()) {
        // Once a side has two games the rubber is over; a hand scored before StartRubberHand
        // (network play does not call it) still goes below the line but wins nothing more.
        const bool rubberOver = Pad.RubberFinished();
        const int game = Pad.CurrentGame();
        int& line = Pad.Game(declaring, game);
        line += score.TrickScore;
        last_.GamePosted = game;
        if (line >= GameTrickScore && !rubberOver) {
            ++Pad.At(declaring, PadCounter::GamesWon);
            if (Pad.RubberFinished()) {
                Pad.At(declaring, PadCounter::CurrOver) +=
                    Pad.At(defending, PadCounter::GamesWon) == 0 ? RubberBonusOpponentsNoGame
                                                                 : RubberBonusOpponentsOneGame;
            }
        }
    }
    const Honours honours = HonoursHeld(dealt, score.Trumps);
    if (honours.Seat != NoSeat) {
        Pad.At(Side(honours.Seat), PadCounter::CurrOver) += honours.Points;
        last_.HonoursPosted = honours;
    }
}

std::string ScoreKeeper::HandResultText(std::string_view declarerName, CallCode contract,
                                        int doubling) const {
    if (!IsBid(contract)) return "Hand was Passed Out";
    const std::string contractText = ContractPadText(contract, doubling);
    const int over = last_.Score.Over;
    std::string text(declarerName);
    if (over >= 0) {
        text += " made " + contractText;
        if (over > 0) text += " + " + std::to_string(over);
    } else {
        text += " down " + std::to_string(-over) + " in " + contractText;
    }
    return text.substr(0, ResultTextLimit);
}

void ScoreKeeper::StartRubberHand() {
    last_.JustEnded = false;
    if (!Pad.RubberFinished()) {
        for (int side = 1; side <= 2; ++side) {
            Pad.At(side, PadCounter::OverLine) += Pad.At(side, PadCounter::CurrOver);
            Pad.At(side, PadCounter::CurrOver) = 0;
        }
        return;
    }
    // The totals are taken afresh: the pad may not have been shown since the last hand.
    Pad.RefreshTotals();
    const int difference = Pad.At(1, PadCounter::Total) - Pad.At(2, PadCounter::Total);
    Pad = ScorePad{};
    if (difference > 0) {
        Pad.At(1, PadCounter::Carry) = difference;
    } else {
        Pad.At(2, PadCounter::Carry) = -difference;
    }
}

Vulnerability ScoreKeeper::RubberVulnerability() const {
    const int northSouth = std::min(Pad.At(1, PadCounter::GamesWon), 1);
    const int eastWest = std::min(Pad.At(2, PadCounter::GamesWon), 1);
    return static_cast<Vulnerability>(northSouth + 2 * eastWest);
}

void ScoreKeeper::ZeroScorePad() {
    Pad = ScorePad{};
    // A cleared pad starts a fresh record: the last hand's line would name points it no longer has.
    last_.JustEnded = false;
}

RubberPadGrid ScoreKeeper::ShowScorePad(const std::array<std::string, 4>& playerNames) {
    RubberPadGrid grid;  // every cell starts empty; "{}" here crashes clang 14
    if (last_.JustEnded) {
        const std::string& declarer =
            last_.Declarer < SeatCount ? playerNames[last_.Declarer] : std::string{};
        grid[0][0] = HandResultText(declarer, last_.Contract, last_.Doubling);
        if (last_.HonoursPosted.Seat != NoSeat) {
            grid[1][1] = playerNames[last_.HonoursPosted.Seat] + " had Honors";
        }
    }
    grid[2][1] = "WE";
    grid[2][2] = "THEY";
    Pad.RefreshTotals();
    size_t row = 3;
    for (int c = static_cast<int>(PadCounter::Carry); c <= static_cast<int>(PadCounter::Total);
         ++c, ++row) {
        for (int side = 1; side <= 2; ++side) {
            const int value = Pad.At(side, static_cast<PadCounter>(c));
            if (value != 0) grid[row][static_cast<size_t>(side)] = std::to_string(value);
        }
    }
    return grid;
}

int ScoreKeeper::GameInProgressRow() const {
    return PadFirstGameRow + Pad.CurrentGame() - 1;
}

}  // namespace corvane
