// A view that records what the table asks of it and answers from a script.
#pragma once

#include "table/TableView.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace corvane::testing {

class FakeTableView : public TableView {
public:
    std::vector<std::string> Messages;
    std::deque<MessageAnswer> Answers;  // for Yes/No questions; No when empty
    std::vector<BeepKind> Beeps;
    std::map<Panel, bool> Panels;
    std::map<Panel, int> TimesShown;
    std::map<Command, bool> Enabled;
    std::map<Caption, std::string> Captions;
    std::map<TSeat, std::string> SeatNamesShown;
    std::map<TSeat, CardCode> TrickCards;
    std::vector<Form> FormsOpened;
    std::map<Form, std::deque<FormResult>> FormResults;  // Cancel when empty
    std::function<void(Form, std::int32_t)> WhileFormOpen;  // sees the table while a form is up
    int TimersStarted = 0;
    bool TimerRunning = false;
    int TimerMilliseconds = 0;
    bool Busy = false;
    int BusyChanges = 0;
    int RepeatedBusy = 0;  // busy set twice without its end between: nested periods leaked
    bool DDShown = false;
    bool ProgramEnded = false;
    CardCode Highlighted = NoCard;

    MessageAnswer ShowMessage(const std::string& text, MessageButtons buttons) override {
        Messages.push_back(text);
        if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
        if (Answers.empty()) return MessageAnswer::No;
        const MessageAnswer a = Answers.front();
        Answers.pop_front();
        return a;
    }
    void Beep(BeepKind kind) override { Beeps.push_back(kind); }
    void ShowPanel(Panel panel, bool shown) override {
        Panels[panel] = shown;
        if (shown) ++TimesShown[panel];
    }
    void EnableCommand(Command command, bool enabled) override { Enabled[command] = enabled; }
    void SetCaption(Caption caption, const std::string& text) override { Captions[caption] = text; }
    void SetSeatName(TSeat seat, const std::string& name) override { SeatNamesShown[seat] = name; }
    void RedrawHand(TSeat) override {}
    void ShowTrickCard(TSeat seat, CardCode card) override { TrickCards[seat] = card; }
    void HighlightCard(TSeat, CardCode card) override { Highlighted = card; }
    void AuctionChanged() override {}
    void SetBusy(bool busy) override {
        if (busy == Busy) ++RepeatedBusy;
        Busy = busy;
        ++BusyChanges;
    }
    void StartTimer(TableTimer, int milliseconds) override {
        ++TimersStarted;
        TimerRunning = true;
        TimerMilliseconds = milliseconds;
    }
    void StopTimer(TableTimer) override { TimerRunning = false; }
    FormResult OpenForm(Form form, std::int32_t argument) override {
        FormsOpened.push_back(form);
        if (WhileFormOpen) WhileFormOpen(form, argument);
        auto& queue = FormResults[form];
        if (queue.empty()) return {};
        const FormResult r = queue.front();
        queue.pop_front();
        return r;
    }
    void ShowDDResults() override { DDShown = true; }
    void EndProgram() override { ProgramEnded = true; }
    bool OpenUrl(const std::string& url) override {
        Urls.push_back(url);
        return CanOpenUrls;
    }
    std::vector<std::string> Urls;
    bool CanOpenUrls = true;

    bool Shown(Panel p) const {
        const auto it = Panels.find(p);
        return it != Panels.end() && it->second;
    }
    bool IsEnabled(Command c) const {
        const auto it = Enabled.find(c);
        return it != Enabled.end() && it->second;
    }
    std::string CaptionOf(Caption c) const {
        const auto it = Captions.find(c);
        return it == Captions.end() ? std::string() : it->second;
    }
    int BeepCount(BeepKind kind) const {
        int n = 0;
        for (BeepKind b : Beeps) n += b == kind;
        return n;
    }
};

}  // namespace corvane::testing
