// The table's view for the terminal: messages and beeps as lines, forms not available, timers
// left to the caller.
#pragma once

#include "bidding/CallText.h"
#include "table/TableView.h"

#include <functional>
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
    // What a call would show, for the hint and the test pad; the explanations of the auction.
    std::function<std::string(CallCode)> DescribeCall;
    std::function<void()> Explain;

    MessageAnswer ShowMessage(const std::string& text, MessageButtons buttons) override {
        std::string shown = text;
        for (char& c : shown) {
            if (c == '\r') c = ' ';
        }
        (quiet_ ? std::cerr : std::cout) << shown << '\n';
        if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
        if (quiet_) return MessageAnswer::No;
        return AskYesNo() ? MessageAnswer::Yes : MessageAnswer::No;
    }
    void Beep(BeepKind kind) override {
        if (quiet_) return;
        std::cout << (kind == BeepKind::Information ? "(that call or key is not allowed now)\n"
                                                    : "(that card cannot be played now)\n");
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
    FormResult OpenForm(Form form, std::int32_t argument) override {
        if (form == Form::SeedDialog) return {true, SeedAnswer};
        if (quiet_) return {};
        const auto call = static_cast<CallCode>(argument);
        switch (form) {
        case Form::BidHint:
            std::cout << "Hint: " << Described(call) << "\nMake this call? " << std::flush;
            return {AskYesNo(), 0};
        case Form::TestPad:
            if (call != NoCall) std::cout << Described(call) << '\n';
            return {true, 0};
        case Form::ExplainMenu:
            // Every seat's calls at once: no seat is left to choose.
            if (Explain) Explain();
            return {};
        default: std::cout << "(that form is not available in the terminal)\n"; return {};
        }
    }
    void ShowDDResults() override {}
    void EndProgram() override { Ended = true; }

private:
    // An answer that is not "y" is No, the end of the input included.
    static bool AskYesNo() {
        std::cout << "(y/n) " << std::flush;
        std::string answer;
        if (!std::getline(std::cin, answer)) return false;
        return !answer.empty() && (answer[0] == 'y' || answer[0] == 'Y');
    }
    std::string Described(CallCode call) const {
        std::string text = CallText(call);
        if (DescribeCall) {
            if (const std::string meaning = DescribeCall(call); !meaning.empty()) text += " - " + meaning;
        }
        return text;
    }

    bool quiet_;
};

}  // namespace corvane::cli
