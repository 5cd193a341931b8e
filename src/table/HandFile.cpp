#include "table/HandFile.h"

namespace corvane {

bool DealNewBoard(const DealContext& context, int number, DealtBoard& board,
                  std::vector<std::string>& messages) {
    if (context.Dealing == nullptr) return false;
    DealRequest request = context.Request;
    request.HandNumber = number;
    DealOutcome outcome = Deal(*context.Dealing, request);
    messages.insert(messages.end(), outcome.Messages.begin(), outcome.Messages.end());
    if (!outcome.Ok) {
        messages.emplace_back(TooRestrictiveMessage);
        return false;
    }
    board = outcome.Board;
    return true;
}

}  // namespace corvane
