#include "ui/bidding/BiddingBox.h"

#include "ui/common/MarkupButton.h"

#include <QGridLayout>

namespace corvane::ui {

namespace {

struct HelperText {
    const char* Caption;
    const char* Code;
    const char* Hint;
};
constexpr std::array<HelperText, 4> Helpers{{
    {"Explain Bid", "Ex", "Explain what a player's bids mean"},
    {"Hint", "Hi", "Suggest the best bid"},
    {"Test Bid", "Te", "Test what any bid means in this sequence"},
    {"Take Back", "Ta", "Take back the last bid"},
}};

const QColor TestPadColor(0, 255, 0);

}  // namespace

QString SelectionCode(CallCode call) {
    if (IsBid(call)) return QString(QChar(StrainLetters[StrainOf(call)])) + QString::number(LevelOf(call));
    switch (call) {
    case Pass: return QStringLiteral("PA");
    case Double: return QStringLiteral("XD");
    case Redouble: return QStringLiteral("XR");
    default: return {};
    }
}

BiddingBox::BiddingBox(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("BiddingBox"));
    setAutoFillBackground(true);
    auto* grid = new QGridLayout(this);
    grid->setSpacing(2);
    grid->setContentsMargins(4, 4, 4, 4);
    auto add = [this](CallCode call, const QString& caption) {
        auto* button = new MarkupButton(caption, this);
        button->setFocusPolicy(Qt::NoFocus);
        button->setObjectName(QStringLiteral("Call") + SelectionCode(call));
        connect(button, &QPushButton::clicked, this, [this, call] { Q_EMIT Selected(SelectionCode(call)); });
        calls_[call] = button;
        return button;
    };
    for (int level = 1; level <= 7; ++level) {
        for (int strain = 0; strain < StrainCount; ++strain) {
            const QString caption = QString::number(level) + QChar(u'~') + QChar(StrainLetters[size_t(strain)]);
            grid->addWidget(add(BidCode(level, strain), caption), level - 1, strain);
        }
    }
    grid->addWidget(add(Pass, QStringLiteral("Pass")), 7, 0, 1, 2);
    grid->addWidget(add(Double, QStringLiteral("X Dbl")), 7, 2, 1, 1);
    grid->addWidget(add(Redouble, QStringLiteral("X RDbl")), 7, 3, 1, 2);
    for (size_t i = 0; i < Helpers.size(); ++i) {
        auto* button = new MarkupButton(QString::fromLatin1(Helpers[i].Caption), this);
        button->setFocusPolicy(Qt::NoFocus);
        button->setToolTip(QString::fromLatin1(Helpers[i].Hint));
        const QString code = QString::fromLatin1(Helpers[i].Code);
        button->setObjectName(QStringLiteral("Helper") + code);
        connect(button, &QPushButton::clicked, this, [this, code] { Q_EMIT Selected(code); });
        helpers_[i] = button;
        grid->addWidget(button, 8 + int(i) / 2, int(i % 2) * 3, 1, i % 2 ? 2 : 3);
    }
}

void BiddingBox::SetEnabledCalls(const CallSet& calls) {
    for (size_t c = 0; c < calls_.size(); ++c) calls_[c]->setEnabled(calls.test(c));
}

BiddingBox::CallSet BiddingBox::EnabledCalls() const {
    CallSet set;
    for (size_t c = 0; c < calls_.size(); ++c) set.set(c, calls_[c]->isEnabled());
    return set;
}

void BiddingBox::SetHelperEnabled(Helper helper, bool enabled) { HelperButton(helper)->setEnabled(enabled); }
bool BiddingBox::HelperEnabled(Helper helper) const { return HelperButton(helper)->isEnabled(); }

void BiddingBox::SetTestMode(bool on) {
    testMode_ = on;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, on ? TestPadColor : parentWidget() ? parentWidget()->palette().color(QPalette::Window)
                                                                       : QPalette().color(QPalette::Window));
    setPalette(pal);
}

}  // namespace corvane::ui
