#include "table/BridgeHandFile.h"

#include "files/DealFile.h"
#include "files/HandFields.h"
#include "platform/FileTimes.h"
#include "platform/Trash.h"

#include <algorithm>
#include <filesystem>

namespace corvane {

namespace {

// The seat that won a complete trick: the highest trump, else the highest card of the suit led.
TSeat TrickWinner(const std::array<CardCode, SeatCount>& cards, TSeat leader, Strain trumps) {
    TSeat best = leader;
    for (int k = 1; k < SeatCount; ++k) {
        const TSeat seat = static_cast<TSeat>((leader + k) & 3);
        const CardCode c = cards[seat];
        const CardCode b = cards[best];
        const bool beats = SuitOf(c) == SuitOf(b) ? RankOf(c) > RankOf(b)
                                                  : trumps < NoTrump && SuitOf(c) == trumps;
        if (beats) best = seat;
    }
    return best;
}

// "TS" (rank, then suit), NoCard when it is not a card.
CardCode CardFromText(std::string_view text) {
    if (text.size() < 2) return NoCard;
    const TRank rank = RankFromChar(text[0]);
    const Strain suit = SuitFromChar(text[1]);
    return rank == 0 || suit >= NoTrump ? NoCard : MakeCard(suit, rank);
}

// The cards in play order as tricks, each with its winner.
std::vector<PlayedTrick> TricksFromPlay(const std::vector<std::string>& play, TSeat declarer,
                                        CallCode contract) {
    std::vector<PlayedTrick> tricks;
    TSeat leader = LHO(declarer);
    for (std::size_t i = 0; i < play.size() && tricks.size() < 13; i += SeatCount) {
        PlayedTrick trick;
        int cards = 0;
        for (std::size_t k = 0; k < SeatCount && i + k < play.size(); ++k) {
            const CardCode card = CardFromText(play[i + k]);
            if (!IsCard(card)) break;
            trick.Cards[(leader + k) & 3] = card;
            ++cards;
        }
        if (cards == 0) break;
        if (cards == SeatCount) {
            trick.Winner = TrickWinner(trick.Cards, leader, StrainOf(contract));
            leader = trick.Winner;
        }
        tricks.push_back(trick);
        if (cards < SeatCount) break;
    }
    return tricks;
}

// The stored play list (per trick: leader, dummy, third hand, declarer; ">" on the winner) in
// play order, as "TS" texts.
std::vector<std::string> PlayOrder(const std::vector<std::string>& stored, TSeat declarer) {
    std::vector<std::string> order;
    TSeat leader = LHO(declarer);
    for (std::size_t t = 0; 4 * t + 3 < stored.size(); ++t) {
        TSeat next = NoSeat;
        for (int k = 0; k < SeatCount; ++k) {
            const TSeat seat = static_cast<TSeat>((leader + k) & 3);
            const std::string& entry = stored[4 * t + ((seat - declarer + 3) & 3)];
            if (entry.size() < 2 || entry == "..") return order;
            std::string text;
            text += entry[1];
            text += entry[0];
            order.push_back(text);
            if (entry.back() == '>') next = seat;
        }
        if (next == NoSeat) break;
        leader = next;
    }
    return order;
}

}  // namespace

std::vector<std::string> BoardErrorMessages(const TBridgeINI& file) {
    std::vector<std::string> messages;
    const std::string count = std::to_string(file.ErrorList.size());
    for (const auto& error : file.ErrorList) {
        messages.push_back(count + " errors found in " + file.FileName() + "\r reading hand no " +
                           file.Record.Values[tag::Board] + "\r\r" + error);
    }
    return messages;
}

bool BridgeHandFile::GetHand(int number, const DealContext& context, BoardRecord& board,
                             std::vector<std::string>& messages) {
    const int loaded = file_.LoadBoard(number);
    if (loaded < 0) {
        if (!NewHand(number, context, messages)) return false;
    } else if (loaded > 0) {
        const auto errors = BoardErrorMessages(file_);
        messages.insert(messages.end(), errors.begin(), errors.end());
        return false;
    }
    // The players at this table, for the result a player starts on the board.
    for (int seat = 0; seat < SeatCount; ++seat) {
        if (!context.PlayerNames[seat].empty()) file_.Record.Values[PlayerTags[seat]] = context.PlayerNames[seat];
    }
    Fill(board);
    if (board.BoardText.empty()) board.BoardText = std::to_string(number);
    return true;
}

bool BridgeHandFile::NewHand(int number, const DealContext& context, std::vector<std::string>& messages) {
    if (context.Dealing == nullptr) return false;
    DealRequest request = context.Request;
    request.HandNumber = number;
    const DealOutcome outcome = Deal(*context.Dealing, request);
    messages.insert(messages.end(), outcome.Messages.begin(), outcome.Messages.end());
    if (!outcome.Ok) {
        messages.emplace_back(TooRestrictiveMessage);
        return false;
    }
    HandRecord& r = file_.Record;
    r = HandRecord{};
    file_.HandNumber = number;
    r.Holdings = outcome.Board.Holdings;
    r.Dealer = outcome.Board.Dealer;
    r.Vul = outcome.Board.Vul;
    r.Values[tag::Board] = std::to_string(number);
    r.Values[tag::Generator] = outcome.Board.SeedText();
    r.Values[tag::Event] = context.EventTitle;
    DealWriting writing = Writing;
    if (writing.Today.empty()) writing.Today = platform::TodayText();
    file_.WriteDeal(writing);
    if (std::string error = file_.Save(); !error.empty()) messages.push_back(std::move(error));
    return file_.LoadBoard(number) == 0;
}

void BridgeHandFile::Fill(BoardRecord& board) const {
    const HandRecord& r = file_.Record;
    board = BoardRecord{};
    board.Holdings = r.Holdings;
    board.Dealer = r.Dealer;
    board.Vul = r.Vul;
    board.BoardText = r.Values[tag::Board];
    const std::string& seed = r.Values[tag::Generator];
    board.SeedText = seed == "?" ? std::string() : seed;
    board.Comment = r.Values[tag::Event] == "?" ? std::string() : r.Values[tag::Event];
    for (int seat = 0; seat < SeatCount; ++seat) {
        const std::string& name = r.Values[PlayerTags[seat]];
        board.PlayerNames[seat] = name == "?" ? std::string() : name;
    }
}

int BridgeHandFile::PlayedBefore(int number, const std::string& player) const {
    return file_.BoardStatus(number, player);
}

int BridgeHandFile::ResultCount(int number) const {
    return static_cast<int>(file_.ResultSections(number).size());
}

int BridgeHandFile::LastBoardWithResult(const std::string& player) const {
    int last = 0;
    const auto& s = file_.Sections();
    for (int i = 0; i < s.Count(); ++i) {
        if (IsResultSection(s.Name(i)) && SectionSuffix(s.Name(i)) == player)
            last = std::max(last, SectionNumber(s.Name(i)));
    }
    return last;
}

void BridgeHandFile::StartResult(int number, const std::string& player) {
    // The record holds the board with its players when the table has just loaded it.
    if (file_.HandNumber == number || file_.LoadBoard(number) >= 0) file_.WriteDefaultResult(player);
}

void BridgeHandFile::StoreAuction(int number, const std::string& player,
                                  const std::vector<std::string>& calls) {
    StartResult(number, player);
    const std::string section = ResultSectionName(number, player);
    if (file_.SectionExists(section)) file_.WriteString(section, PbnTags[tag::Auction], JoinCommaList(calls));
}

void BridgeHandFile::StoreResult(int number, const HandResultRecord& result) {
    if (file_.HandNumber != number && file_.LoadBoard(number) < 0) return;
    HandOutcome outcome;
    outcome.Player = result.Player;
    outcome.Calls = result.Auction;
    outcome.Contract = result.Contract;
    outcome.Doubling = result.Doubled;
    outcome.Declarer = result.Declarer < SeatCount ? result.Declarer : South;
    outcome.Tricks = result.Tricks;
    outcome.Score = result.Score;
    outcome.Play = TricksFromPlay(result.Play, outcome.Declarer, result.Contract);
    if (std::string error = file_.RecordResult(outcome); !error.empty()) pendingError_ = std::move(error);
}

std::vector<HandResultRecord> BridgeHandFile::Results(int number) const {
    // Loading results changes the record, so a copy walks them.
    TBridgeINI walker = file_;
    std::vector<HandResultRecord> results;
    if (walker.LoadBoard(number) < 0) return results;
    for (const auto& section : walker.ResultSections(number)) {
        walker.LoadResult(section);
        const HandRecord& r = walker.Record;
        HandResultRecord out;
        out.Player = r.ResultSuffix;
        out.Contract = r.Contract;
        out.Doubled = r.Doubling;
        out.Declarer = r.Declarer;
        out.Tricks = r.Tricks;
        out.Score = r.Score;
        out.ScoreIMP = r.ScoreIMP;
        out.ScoreMP = r.ScoreMP;
        out.Auction = r.Calls;
        out.Play = PlayOrder(r.Play, r.Declarer);
        results.push_back(std::move(out));
    }
    return results;
}

PbnCopy BridgeHandFile::CopyToPbn(int number, bool justThisDeal) const {
    return corvane::CopyToPbn(file_, number, justThisDeal);
}

bool BridgeHandFile::Flush(std::string& error) {
    error = file_.Save();
    if (error.empty()) std::swap(error, pendingError_);
    pendingError_.clear();
    return error.empty();
}

std::string BridgeHandFileShelf::NewHandsPath() const {
    // The folder may come with or without its closing separator.
    return (std::filesystem::path(playerFolder_) / NewHandsFileName).string();
}

void BridgeHandFileShelf::OpenNewHands() {
    std::string ignored;
    Close(ignored);
    current_ = std::make_unique<BridgeHandFile>(NewHandsPath());
}

bool BridgeHandFileShelf::RestartNewHands(std::string& error) {
    const std::string path = NewHandsPath();
    if (!Close(error)) return false;
    error = platform::MoveToTrash(path);
    current_ = std::make_unique<BridgeHandFile>(path);
    return error.empty();
}

std::vector<std::string> BridgeHandFileShelf::Open(const std::string& path) {
    std::string error;
    Close(error);
    current_ = std::make_unique<BridgeHandFile>(path);
    auto messages = current_->Ini().OpenMessages();
    if (!error.empty()) messages.insert(messages.begin(), error);
    return messages;
}

bool BridgeHandFileShelf::Close(std::string& error) {
    error.clear();
    if (current_ && !current_->Flush(error)) return false;
    current_.reset();
    return true;
}

}  // namespace corvane
