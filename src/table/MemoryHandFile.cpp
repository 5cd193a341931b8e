#include "table/MemoryHandFile.h"

#include "files/DealFile.h"

#include <algorithm>

namespace corvane {

int MemoryHandFile::HighestHandNumber() const {
    return boards_.empty() ? 0 : boards_.rbegin()->first;
}

bool MemoryHandFile::GetHand(int number, const DealContext& context, BoardRecord& board,
                             std::vector<std::string>& messages) {
    if (const auto it = boards_.find(number); it != boards_.end()) {
        board = it->second;
        if (board.BoardText.empty()) board.BoardText = std::to_string(number);
        return true;
    }
    DealtBoard dealt;
    if (!DealNewBoard(context, number, dealt, messages)) return false;
    board = BoardRecord{};
    board.Holdings = dealt.Holdings;
    board.Dealer = dealt.Dealer;
    board.Vul = dealt.Vul;
    board.BoardText = std::to_string(number);
    board.SeedText = dealt.SeedText();
    board.PlayerNames = context.PlayerNames;
    board.Comment = context.EventTitle;
    boards_[number] = board;
    return true;
}

MemoryHandFile::StoredResult* MemoryHandFile::Find(int number, const std::string& player) {
    auto& list = results_[number];
    const auto it = std::find_if(list.begin(), list.end(),
                                 [&](const StoredResult& r) { return r.Record.Player == player; });
    return it == list.end() ? nullptr : &*it;
}

const MemoryHandFile::StoredResult* MemoryHandFile::Find(int number,
                                                         const std::string& player) const {
    const auto at = results_.find(number);
    if (at == results_.end()) return nullptr;
    const auto it = std::find_if(at->second.begin(), at->second.end(),
                                 [&](const StoredResult& r) { return r.Record.Player == player; });
    return it == at->second.end() ? nullptr : &*it;
}

int MemoryHandFile::PlayedBefore(int number, const std::string& player) const {
    const StoredResult* r = Find(number, player);
    if (r == nullptr) return NotPlayedBefore;
    return r->Finished ? FinishedBefore : StartedBefore;
}

int MemoryHandFile::ResultCount(int number) const {
    const auto at = results_.find(number);
    return at == results_.end() ? 0 : static_cast<int>(at->second.size());
}

int MemoryHandFile::LastBoardWithResult(const std::string& player) const {
    int last = 0;
    for (const auto& [number, list] : results_) {
        for (const auto& r : list) {
            if (r.Record.Player == player) last = std::max(last, number);
        }
    }
    return last;
}

void MemoryHandFile::StartResult(int number, const std::string& player) {
    if (Find(number, player) == nullptr) {
        StoredResult r;
        r.Record.Player = player;
        results_[number].push_back(std::move(r));
    }
}

void MemoryHandFile::StoreAuction(int number, const std::string& player,
                                  const std::vector<std::string>& calls) {
    StartResult(number, player);
    Find(number, player)->Record.Auction = calls;
}

void MemoryHandFile::StoreResult(int number, const HandResultRecord& result) {
    StartResult(number, result.Player);
    StoredResult* r = Find(number, result.Player);
    if (r->Finished) return;
    r->Record = result;
    r->Finished = true;
}

std::vector<HandResultRecord> MemoryHandFile::Results(int number) const {
    std::vector<HandResultRecord> out;
    if (const auto at = results_.find(number); at != results_.end()) {
        for (const auto& r : at->second) out.push_back(r.Record);
    }
    return out;
}

std::vector<int> MemoryHandFile::BoardNumbers() const {
    std::vector<int> numbers;
    for (const auto& [number, board] : boards_) numbers.push_back(number);
    return numbers;
}

PbnCopy MemoryHandFile::CopyToPbn(int, bool) const {
    // Nothing is on disk to write beside; the person is told so instead of a path.
    PbnCopy copy;
    copy.message = name_ + " is not kept on disk, so it cannot be copied to PBN.";
    return copy;
}

}  // namespace corvane
