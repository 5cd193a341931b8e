#include "table/BridgeIniHandFile.h"

#include "files/HandFields.h"
#include "platform/FileTimes.h"
#include "platform/Trash.h"

#include <filesystem>

namespace corvane {

std::string BridgeIniHandFile::FileName() const {
    return std::filesystem::path(file_.Path()).filename().string();
}

bool BridgeIniHandFile::GetHand(int number, const DealContext& context, BoardRecord& board,
                                std::vector<std::string>& messages) {
    file_.HandNumber = number;
    const int errors = file_.LoadBoard(number);
    if (errors > 0) {
        for (const auto& line : file_.ErrorList) {
            messages.push_back(std::to_string(errors) + " errors found in " + FileName() +
                               "\r reading hand no " + file_.Record.Values[tag::Board] + "\r\r" +
                               line);
        }
        return false;
    }
    HandRecord& r = file_.Record;
    if (errors < 0) {
        DealtBoard outcome;
        if (!DealNewBoard(context, number, outcome, messages)) return false;
        for (auto& value : r.Values) value.clear();
        r.Holdings = outcome.Holdings;
        r.Dealer = outcome.Dealer;
        r.Vul = outcome.Vul;
        r.Values[tag::Board] = std::to_string(number);
        r.Values[tag::Generator] = outcome.SeedText();
        r.Values[tag::Event] = context.EventTitle;
        for (TSeat s = North; s <= West; ++s) r.Values[PlayerTags[s]] = context.PlayerNames[s];
        DealWriting writing;
        writing.Mode = context.Request.Rubber ? RubberScoring : ImpScoring;
        writing.Today = platform::TodayText();
        file_.WriteDeal(writing);
    }
    board = BoardRecord{};
    board.Holdings = r.Holdings;
    board.Dealer = r.Dealer;
    board.Vul = r.Vul;
    board.BoardText = r.Values[tag::Board];
    if (board.BoardText.empty() || board.BoardText == "?") board.BoardText = std::to_string(number);
    board.SeedText = r.Values[tag::Generator];
    board.Comment = r.Values[tag::Event] == "?" ? std::string() : r.Values[tag::Event];
    for (TSeat s = North; s <= West; ++s) board.PlayerNames[s] = r.Values[PlayerTags[s]];
    return true;
}

int BridgeIniHandFile::PlayedBefore(int number, const std::string& player) const {
    switch (file_.BoardStatus(number, player)) {
    case Played: return FinishedBefore;
    case Started: return StartedBefore;
    default: return NotPlayedBefore;
    }
}

void BridgeIniHandFile::StartResult(int number, const std::string& player) {
    file_.HandNumber = number;
    file_.WriteDefaultResult(player);
}

void BridgeIniHandFile::StoreAuction(int number, const std::string& player,
                                     const std::vector<std::string>& calls) {
    StartResult(number, player);
    file_.WriteString(ResultSectionName(number, player), PbnTags[tag::Auction],
                      JoinCommaList(calls));
}

void BridgeIniHandFile::StoreResult(int number, const HandOutcome& result) {
    file_.HandNumber = number;
    file_.RecordResult(result);
}

bool BridgeIniHandFile::Flush(std::string& error) {
    error = file_.Save();
    return error.empty();
}

BridgeIniShelf::BridgeIniShelf(std::string folder) : folder_(std::move(folder)) { OpenNewHands(); }

void BridgeIniShelf::OpenNewHands() {
    current_ = std::make_unique<BridgeIniHandFile>(
        (std::filesystem::path(folder_) / NewHandsFileName).string());
}

bool BridgeIniShelf::RestartNewHands(std::string& error) {
    const std::string path = (std::filesystem::path(folder_) / NewHandsFileName).string();
    current_.reset();
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) error = platform::MoveToTrash(path);
    OpenNewHands();
    return error.empty();
}

std::vector<std::string> BridgeIniShelf::Open(const std::string& path) {
    current_ = std::make_unique<BridgeIniHandFile>(path);
    return current_->File().OpenMessages();
}

}  // namespace corvane
