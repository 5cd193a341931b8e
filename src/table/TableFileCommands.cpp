// The hand-file commands of the Dealing menu: deleting the board in play and copying the file,
// or the board, to PBN.
// Before the table: its bidding vocabulary has names the file kinds would shadow.
#include "files/DealFile.h"
#include "table/TableController.h"

#include <algorithm>

namespace corvane {

namespace {

constexpr const char* DeleteDealQuestion = "Do you want to delete this deal?";

} // namespace

bool TableController::BoardInFile() const {
    const TableHandFile* file = files_.Current();
    if (file == nullptr || board_.BoardText.empty()) return false;
    const std::vector<int> boards = file->BoardNumbers();
    return std::find(boards.begin(), boards.end(), state_.HandNumber) != boards.end();
}

void TableController::DeleteThisHandClick() {
    TableHandFile* file = File();
    // With the dealer options open no board is in play, and the next one needs a player first.
    if (dealerOptionsOpen_ || !BoardInFile()) {
        view_.Beep(BeepKind::Information);
        return;
    }
    if (view_.ShowMessage(DeleteDealQuestion, MessageButtons::YesNo) != MessageAnswer::Yes) return;
    const std::vector<int> before = file->BoardNumbers();
    const auto position = static_cast<std::size_t>(
        std::find(before.begin(), before.end(), state_.HandNumber) - before.begin());
    file->DeleteBoard(state_.HandNumber);
    // The board that moved up into the deleted one's place, else the new last board.
    const std::vector<int> after = file->BoardNumbers();
    state_.HandNumber = after.empty() ? 1 : after[std::min(position, after.size() - 1)];
    // Written now: the next board may fail to load, and the deletion must not wait for it.
    if (std::string error; !file->Flush(error)) view_.ShowMessage(error, MessageButtons::Ok);
    StartNewHand();
}

void TableController::CopyToPbnClick(bool justThisDeal) {
    const TableHandFile* file = File();
    // Without a board in play there is no deal to copy; an empty file would be no copy of it.
    if (file == nullptr || (justThisDeal && !BoardInFile())) {
        view_.Beep(BeepKind::Information);
        return;
    }
    view_.ShowMessage(file->CopyToPbn(state_.HandNumber, justThisDeal).message, MessageButtons::Ok);
}

} // namespace corvane
