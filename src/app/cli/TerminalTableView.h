// The table's view for the terminal: messages and beeps as lines, forms not available, timers
// left to the caller.
#pragma once

#include "table/TableView.h"

#include <iostream>
#include <string>

namespace corvane::cli {

class TerminalTableView : public TableView {
public:
    // Quiet: messages go to stderr and questions are answered No (autoplay). Otherwise messages
    // go to stdout and questions are read from stdin.
    explicit TerminalTableView(bool quiet) : quiet_(quiet) {}

    std::int32_t SeedAnswer = 0;  // what the seed dialog answers
    bool TimerPending = false;
    bool Ended = false;

    MessageAnswer ShowMessage(const std::string& text, MessageButtons buttons) override {
        std::string shown = text;
        for (char& c : shown) {
            if (c == '\r') c = ' ';
        }
        (quiet_ ? std::cerr : std::cout) << shown << '\n';
        if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
        if (quiet_) return MessageAnswer::No;
        std::cout << "(y/n) " << std::flush;
        std::string answer;
        std::getline(std::cin, answer);
        return !answer.empty() && (answer[0] == 'y' || answer[0] == 'Y') ? MessageAnswer::Yes
                                                                         : MessageAnswer::No;
    }
    void Beep(BeepKind) override {
        if (!quiet_) std::cout << "(beep)\n";
    }
    void ShowPanel(Panel, bool) override {}
    void EnableCommand(Command, bool) override {}
    void SetCaption(Caption, const std::string&) override {}
    void SetSeatName(TSeat, const std::string&) override {}
    void RedrawHand(TSeat) override {}
    void ShowTrickCard(TSeat, CardCode) override {}
    void HighlightCard(TSeat, CardCode) override {}
    void AuctionChanged() override {}
    void SetBusy(bool) override {}
    void StartTimer(TableTimer, int) override { TimerPending = true; }
    void StopTimer(TableTimer) override { TimerPending = false; }
    FormResult OpenForm(Form form, std::int32_t) override {
        if (form == Form::SeedDialog) return {true, SeedAnswer};
        if (!quiet_) std::cout << "(that form is not available in the terminal)\n";
        return {};
    }
    void ShowDDResults() override {}
    void EndProgram() override { Ended = true; }

private:
    bool quiet_;
};

}  // namespace corvane::cli
