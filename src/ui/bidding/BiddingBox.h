// The bidding box: a button for every call and the four helpers. A press gives its two-character
// selection code ("S4" four spades, "N1" one notrump, "PA", "XD", "XR", "Ex", "Hi", "Te", "Ta").
#pragma once

#include "bidding/Call.h"

#include <QWidget>

#include <array>
#include <bitset>

namespace corvane::ui {

class MarkupButton;

// The selection code of a call: "S4", "PA", "XD", "XR"; empty for no call.
QString SelectionCode(CallCode call);

class BiddingBox : public QWidget {
    Q_OBJECT
public:
    using CallSet = std::bitset<NoCall>;
    enum class Helper { Explain, Hint, TestBid, TakeBack };

    explicit BiddingBox(QWidget* parent = nullptr);

    // Only the calls in the set can be pressed.
    void SetEnabledCalls(const CallSet& calls);
    CallSet EnabledCalls() const;
    void SetHelperEnabled(Helper helper, bool enabled);
    bool HelperEnabled(Helper helper) const;
    // The test pad: calls are explained, not made; the box turns green meanwhile.
    void SetTestMode(bool on);
    bool TestMode() const { return testMode_; }

    MarkupButton* CallButton(CallCode call) const { return calls_[call]; }
    MarkupButton* HelperButton(Helper helper) const { return helpers_[static_cast<size_t>(helper)]; }

Q_SIGNALS:
    void Selected(const QString& code);

private:
    std::array<MarkupButton*, NoCall> calls_{};
    std::array<MarkupButton*, 4> helpers_{};
    bool testMode_ = false;
};

}  // namespace corvane::ui
