// A hand file kept in memory: boards dealt on demand and results kept per board. Serves the
// headless table when no file on disk is wanted, and tests.
#pragma once

#include "table/HandFile.h"

#include <map>
#include <memory>

namespace corvane {

class MemoryHandFile final : public TableHandFile {
public:
    explicit MemoryHandFile(std::string name = NewHandsFileName) : name_(std::move(name)) {}

    void AddBoard(int number, const BoardRecord& board) { boards_[number] = board; }

    std::string FileName() const override { return name_; }
    int HandCount() const override { return static_cast<int>(boards_.size()); }
    int HighestHandNumber() const override;
    bool GetHand(int number, const DealContext& context, BoardRecord& board,
                 std::vector<std::string>& messages) override;
    int PlayedBefore(int number, const std::string& player) const override;
    int ResultCount(int number) const override;
    int LastBoardWithResult(const std::string& player) const override;
    void StartResult(int number, const std::string& player) override;
    void StoreAuction(int number, const std::string& player,
                      const std::vector<std::string>& calls) override;
    void StoreResult(int number, const HandResultRecord& result) override;
    std::vector<HandResultRecord> Results(int number) const override;
    std::vector<int> BoardNumbers() const override;
    void DeleteBoard(int number) override {
        boards_.erase(number);
        results_.erase(number);
    }
    PbnCopy CopyToPbn(int number, bool justThisDeal) const override;
    bool Flush(std::string&) override { return true; }

private:
    struct StoredResult {
        HandResultRecord Record;
        bool Finished = false;
    };
    StoredResult* Find(int number, const std::string& player);
    const StoredResult* Find(int number, const std::string& player) const;

    std::string name_;
    std::map<int, BoardRecord> boards_;
    std::map<int, std::vector<StoredResult>> results_;
};

// Shelf over memory files: the "New Hands.ini" file and any other file made current.
class MemoryHandFileShelf final : public HandFileShelf {
public:
    MemoryHandFileShelf() : newHands_(std::make_unique<MemoryHandFile>()) {}
    TableHandFile* Current() override { return other_ ? other_.get() : newHands_.get(); }
    void OpenNewHands() override { other_.reset(); }
    bool RestartNewHands(std::string&) override {
        newHands_ = std::make_unique<MemoryHandFile>();
        other_.reset();
        return true;
    }
    void OpenOther(std::unique_ptr<TableHandFile> file) { other_ = std::move(file); }
    MemoryHandFile& NewHands() { return *newHands_; }

private:
    std::unique_ptr<MemoryHandFile> newHands_;
    std::unique_ptr<TableHandFile> other_;
};

}  // namespace corvane
