// The table's hand file over a hand file on disk, and the shelf that switches between the files
// of the data folder.
#pragma once

#include "table/HandFile.h"

#include <memory>

namespace corvane {

class BridgeIniHandFile final : public TableHandFile {
public:
    explicit BridgeIniHandFile(const std::string& path) : file_(path) {}

    TBridgeINI& File() { return file_; }
    std::string FileName() const override;
    int HandCount() const override { return file_.BoardCount(); }
    int HighestHandNumber() const override { return file_.LastBoard(); }
    bool GetHand(int number, const DealContext& context, BoardRecord& board,
                 std::vector<std::string>& messages) override;
    int PlayedBefore(int number, const std::string& player) const override;
    int ResultCount(int number) const override {
        return static_cast<int>(file_.ResultSections(number).size());
    }
    int LastBoardWithResult(const std::string& player) const override {
        return file_.NextBoard(player) - 1;
    }
    void StartResult(int number, const std::string& player) override;
    void StoreAuction(int number, const std::string& player,
                      const std::vector<std::string>& calls) override;
    void StoreResult(int number, const HandOutcome& result) override;
    bool Flush(std::string& error) override;

private:
    TBridgeINI file_;
};

class BridgeIniShelf final : public HandFileShelf {
public:
    explicit BridgeIniShelf(std::string folder);
    TableHandFile* Current() override { return current_.get(); }
    void OpenNewHands() override;
    bool RestartNewHands(std::string& error) override;
    // Makes the file at `path` current; its messages from opening are returned.
    std::vector<std::string> Open(const std::string& path);

private:
    std::string folder_;
    std::unique_ptr<BridgeIniHandFile> current_;
};

}  // namespace corvane
