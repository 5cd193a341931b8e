// The table's current hand file kept on disk: a TBridgeINI behind the table's hand-file
// interface, with the loading path of a board (load it, or deal it into the file) and the
// shelf that switches between "New Hands.ini" of the player folder and any other file.
#pragma once

#include "files/BridgeINI.h"
#include "table/HandFile.h"

#include <memory>

namespace corvane {

// One message per reading error: the error count, the file, the board and the error line.
std::vector<std::string> BoardErrorMessages(const TBridgeINI& file);

class BridgeHandFile final : public TableHandFile {
public:
    explicit BridgeHandFile(const std::string& path) : file_(path) {}

    TBridgeINI& Ini() { return file_; }

    std::string FileName() const override { return file_.FileName(); }
    int HandCount() const override { return file_.BoardCount(); }
    int HighestHandNumber() const override { return file_.LastBoard(); }
    // Loads board `number`; a board the file lacks is dealt, named and written to the file.
    // A board with reading errors is not used: one message per error.
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
    std::vector<int> BoardNumbers() const override { return file_.Boards(); }
    void DeleteBoard(int number) override { file_.DeleteBoard(number); }
    PbnCopy CopyToPbn(int number, bool justThisDeal) const override;
    bool Flush(std::string& error) override;

    // How deals are written (team match, scoring mode, today's date).
    DealWriting Writing;

private:
    bool NewHand(int number, const DealContext& context, std::vector<std::string>& messages);
    void Fill(BoardRecord& board) const;

    TBridgeINI file_;
    std::string pendingError_;  // a save that failed inside an operation without a result
};

// "New Hands.ini" of the player folder and any other hand file made current. A file being
// replaced is saved first.
class BridgeHandFileShelf final : public HandFileShelf {
public:
    explicit BridgeHandFileShelf(std::string playerFolder) : playerFolder_(std::move(playerFolder)) {}

    TableHandFile* Current() override { return current_.get(); }
    void OpenNewHands() override;
    bool RestartNewHands(std::string& error) override;
    // Makes the file at path current; returns the messages to show after opening.
    std::vector<std::string> Open(const std::string& path);
    // Saves the current file; false with the error when it could not.
    bool Close(std::string& error);

private:
    std::string NewHandsPath() const;

    std::string playerFolder_;
    std::unique_ptr<BridgeHandFile> current_;
};

}  // namespace corvane
