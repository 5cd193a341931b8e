#include "ui/settings/SettingsForms.h"

#include "cards/Hands.h"
#include "platform/UserName.h"
#include "settings/PlayerFile.h"
#include "ui/cards/CardArt.h"
#include "ui/common/Messages.h"
#include "ui/common/Text.h"
#include "ui/settings/Colors.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include <cmath>

namespace corvane::ui {

// ---- welcome

TWelcomeForm::TWelcomeForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Initial hand"));
    auto* layout = new QVBoxLayout(this);
    auto* welcome = new QLabel(QStringLiteral("Welcome to Corvane"), this);
    QFont big = welcome->font();
    big.setPointSizeF(big.pointSizeF() + 4);
    welcome->setFont(big);
    layout->addWidget(welcome);
    layout->addWidget(new QLabel(QStringLiteral("Your Name"), this));
    name_ = new QLineEdit(FromCore(platform::UserName()), this);
    layout->addWidget(name_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TWelcomeForm::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TWelcomeForm::reject);
    layout->addWidget(buttons);
}

void TWelcomeForm::accept() {
    const auto answer = WelcomeAnswer(ToCore(name_->text().trimmed()), true);
    if (!answer) {
        ShowMessage(this, FromCore(EmptyNameMessage));
        return;
    }
    chosen_ = FromCore(*answer);
    QDialog::accept();
}

void TWelcomeForm::reject() {
    const auto answer = WelcomeAnswer(ToCore(name_->text().trimmed()), false);
    chosen_ = answer ? FromCore(*answer) : QString();
    // Cancel still gives a name to play under, so the form closes as accepted.
    if (name_->text().trimmed().isEmpty()) {
        QDialog::accept();
    } else {
        QDialog::reject();
    }
}

// ---- custom colours

namespace {
constexpr std::array<const char*, 4> PanelNames{"Main Background", "Main Foreground", "2nd Background",
                                                "2nd Foreground"};
}

TCustomColors::TCustomColors(const Options& options, QWidget* parent) : QDialog(parent), values_(options) {
    setWindowTitle(QStringLiteral("Custom Colors"));
    auto* layout = new QGridLayout(this);
    for (int i = 0; i < 4; ++i) {
        layout->addWidget(new QLabel(QString::fromLatin1(PanelNames[size_t(i)]), this), i, 0);
        auto* panel = new QPushButton(this);
        panel->setMinimumWidth(140);
        connect(panel, &QPushButton::clicked, this, [this, i] {
            const QColor chosen = QColorDialog::getColor(FromStoredColor(Field(i)), this);
            if (chosen.isValid()) SetColor(i, chosen);
        });
        panels_[size_t(i)] = panel;
        layout->addWidget(panel, i, 1);
        ShowPanel(i);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons, 4, 0, 1, 2);
}

std::int32_t& TCustomColors::Field(int panel) {
    switch (panel) {
    case 0: return values_.MainBack;
    case 1: return values_.MainFore;
    case 2: return values_.SecondBack;
    default: return values_.SecondFore;
    }
}

bool TCustomColors::SetColor(int panel, const QColor& color) {
    const std::int32_t stored = ToStoredColor(color);
    for (int other = 0; other < 4; ++other) {
        if (other != panel && Field(other) == stored) {
            ShowMessage(this, QStringLiteral("The same color can't be used twice."));
            return false;
        }
    }
    Field(panel) = stored;
    ShowPanel(panel);
    return true;
}

void TCustomColors::ShowPanel(int panel) {
    const QColor color = FromStoredColor(Field(panel));
    QPushButton* button = panels_[size_t(panel)];
    button->setText(QStringLiteral("%1-%2-%3").arg(color.red()).arg(color.green()).arg(color.blue()));
    button->setStyleSheet(QStringLiteral("QPushButton { background: %1; color: %2; }")
                              .arg(color.name(), color.lightness() > 128 ? QStringLiteral("black") : QStringLiteral("white")));
}

// ---- preferences

namespace {

constexpr std::array<const char*, BackDesignCount> BackNames{
    "Red Checks", "Blue Checks", "Red Hatch", "Blue Hatch", "Robot",     "Red Classic", "Heart", "Blue Classic",
    "Denmark",    "Sweden",      "Norway",    "Beach",      "Corvane",   "Medallion",   "Suits"};

QSlider* Slider(QWidget* parent, int low, int high, int value) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setRange(low, high);
    slider->setValue(std::clamp(value, low, high));
    return slider;
}

}  // namespace

int TSetupOptions::ScalePercent(int scale) { return int(std::lround(scale * 100.0 / 96.0)); }

int TSetupOptions::StepScale(int scale, bool larger) {
    const int next = int(std::lround(larger ? scale * 1.1 : scale / 1.1));
    return next >= 93 && next <= 100 ? 96 : next;
}

TSetupOptions::TSetupOptions(const Options& options, bool matchInProgress, QWidget* parent)
    : QDialog(parent), values_(options) {
    setWindowTitle(QStringLiteral("Preferences"));
    auto* grid = new QGridLayout(this);
    auto group = [this](const QString& title) { return new QGroupBox(title, this); };

    auto seats = [&](const QString& title, std::array<QCheckBox*, 4>& boxes, int mask) {
        QGroupBox* box = group(title);
        auto* row = new QHBoxLayout(box);
        for (TSeat seat = North; seat <= West; ++seat) {
            boxes[seat] = new QCheckBox(FromCore(SeatNames[seat]), box);
            boxes[seat]->setChecked(mask & SeatBit(seat));
            row->addWidget(boxes[seat]);
        }
        box->setEnabled(!matchInProgress);
        return box;
    };
    grid->addWidget(seats(QStringLiteral("Hands You Play"), played_, values_.HandsPlayed), 0, 0);
    grid->addWidget(seats(QStringLiteral("Hands You See"), seen_, values_.HandsSeen), 1, 0);

    QGroupBox* alerts = group(QStringLiteral("Show Alerts For"));
    {
        auto* row = new QHBoxLayout(alerts);
        alerts_[0] = new QCheckBox(QStringLiteral("N-S"), alerts);
        alerts_[1] = new QCheckBox(QStringLiteral("E-W"), alerts);
        alerts_[0]->setChecked(values_.WhoAlerts & (SeatBit(North) | SeatBit(South)));
        alerts_[1]->setChecked(values_.WhoAlerts & (SeatBit(East) | SeatBit(West)));
        row->addWidget(alerts_[0]);
        row->addWidget(alerts_[1]);
    }
    grid->addWidget(alerts, 2, 0);

    QGroupBox* scoring = group(QStringLiteral("Scoring Method"));
    scoring_ = new QButtonGroup(this);
    {
        auto* column = new QVBoxLayout(scoring);
        int id = 0;
        for (const char* name : {"Teams (IMP)", "Duplicate (MP)", "Rubber Bridge"}) {
            auto* radio = new QRadioButton(QString::fromLatin1(name), scoring);
            scoring_->addButton(radio, id);
            radio->setChecked(values_.ScoringMode == id++);
            column->addWidget(radio);
        }
        scoring->setEnabled(!matchInProgress);
    }
    grid->addWidget(scoring, 3, 0);

    QGroupBox* thinking = group(QStringLiteral("Max.Thinking Time"));
    {
        auto* row = new QHBoxLayout(thinking);
        thinking_ = Slider(thinking, 30, 90, values_.PlayLevel);
        auto* label = new QLabel(thinking);
        auto show = [label](int v) { label->setText(QStringLiteral("%1 seconds for entire hand.").arg(v)); };
        show(thinking_->value());
        connect(thinking_, &QSlider::valueChanged, label, show);
        row->addWidget(thinking_);
        row->addWidget(label);
    }
    grid->addWidget(thinking, 4, 0);

    QGroupBox* clear = group(QStringLiteral("Clear the table"));
    {
        auto* layout = new QGridLayout(clear);
        auto* manual = new QRadioButton(QStringLiteral("Manually"), clear);
        clearAuto_ = new QRadioButton(QStringLiteral("Automaticaly after"), clear);
        clearSlider_ = Slider(clear, 0, 100, values_.ClearTableTime);
        auto* label = new QLabel(clear);
        auto show = [label](int v) { label->setText(QString::asprintf("%.1f seconds", v / 10.0) + QStringLiteral(" after each trick")); };
        show(clearSlider_->value());
        connect(clearSlider_, &QSlider::valueChanged, label, show);
        (values_.ClearTable ? clearAuto_ : manual)->setChecked(true);
        auto enable = [this, label](bool on) {
            clearSlider_->setEnabled(on);
            label->setEnabled(on);
        };
        enable(values_.ClearTable);
        connect(clearAuto_, &QRadioButton::toggled, this, enable);
        layout->addWidget(manual, 0, 0);
        layout->addWidget(clearAuto_, 1, 0);
        layout->addWidget(clearSlider_, 1, 1);
        layout->addWidget(label, 2, 0, 1, 2);
    }
    grid->addWidget(clear, 5, 0);

    QGroupBox* simulation = group(QStringLiteral("Simulate Bidding"));
    {
        auto* layout = new QGridLayout(simulation);
        auto* never = new QRadioButton(QStringLiteral("Never"), simulation);
        simulate_ = new QRadioButton(QStringLiteral("For a maximum of"), simulation);
        simSlider_ = Slider(simulation, 0, 30, values_.SimBidTime);
        auto* label = new QLabel(simulation);
        auto show = [label](int v) { label->setText(QStringLiteral("%1 seconds on some bids").arg(v)); };
        show(simSlider_->value());
        connect(simSlider_, &QSlider::valueChanged, label, show);
        (values_.SimBid ? simulate_ : never)->setChecked(true);
        auto enable = [this, label](bool on) {
            simSlider_->setEnabled(on);
            label->setEnabled(on);
        };
        enable(values_.SimBid);
        connect(simulate_, &QRadioButton::toggled, this, enable);
        layout->addWidget(never, 0, 0);
        layout->addWidget(simulate_, 1, 0);
        layout->addWidget(simSlider_, 1, 1);
        layout->addWidget(label, 2, 0, 1, 2);
    }
    grid->addWidget(simulation, 0, 1, 2, 1);

    QGroupBox* autoplay = group(QStringLiteral("Automatically play "));
    singletons_ = new QCheckBox(QStringLiteral("Singletons"), autoplay);
    singletons_->setChecked(values_.AutoPlaySingleton);
    (new QVBoxLayout(autoplay))->addWidget(singletons_);
    grid->addWidget(autoplay, 2, 1);

    QGroupBox* dd = group(QStringLiteral("Double Dummy Play"));
    dd->setToolTip(QStringLiteral("DD play is the fastest!"));
    {
        auto* row = new QHBoxLayout(dd);
        ddOpen_ = new QCheckBox(QStringLiteral("Open Room"), dd);
        ddClosed_ = new QCheckBox(QStringLiteral("Closed Room"), dd);
        ddOpen_->setChecked(values_.DDPlayOpenRoom);
        ddClosed_->setChecked(values_.DDPlayClosedRoom);
        row->addWidget(ddOpen_);
        row->addWidget(ddClosed_);
    }
    grid->addWidget(dd, 3, 1);

    QGroupBox* backs = group(QStringLiteral("Card Back Design"));
    {
        auto* column = new QVBoxLayout(backs);
        backs_ = new QListWidget(backs);
        for (const char* name : BackNames) backs_->addItem(QString::fromLatin1(name));
        backs_->setCurrentRow(std::clamp(int(values_.BackDesign), 0, BackDesignCount - 1));
        backs_->setMaximumHeight(110);
        auto* color = new QPushButton(QStringLiteral("Color"), backs);
        connect(color, &QPushButton::clicked, this, [this] {
            const QColor chosen = QColorDialog::getColor(FromStoredColor(values_.BackColor), this);
            if (chosen.isValid()) values_.BackColor = ToStoredColor(chosen);
        });
        column->addWidget(backs_);
        column->addWidget(color);
    }
    grid->addWidget(backs, 4, 1, 2, 1);

    QGroupBox* size = group(QStringLiteral("Text / Card Size"));
    {
        auto* row = new QHBoxLayout(size);
        auto* smaller = new QPushButton(QStringLiteral("Smaller"), size);
        larger_ = new QPushButton(QStringLiteral("Larger"), size);
        sizeLabel_ = new QLabel(size);
        connect(smaller, &QPushButton::clicked, this, [this] {
            values_.CardSize = std::max(48, StepScale(values_.CardSize, false));
            UpdateSize();
        });
        connect(larger_, &QPushButton::clicked, this, [this] {
            values_.CardSize = std::min(240, StepScale(values_.CardSize, true));
            UpdateSize();
        });
        row->addWidget(smaller);
        row->addWidget(larger_);
        row->addWidget(sizeLabel_);
        UpdateSize();
    }
    grid->addWidget(size, 6, 0);

    QGroupBox* colors = group(QStringLiteral("Screen Colors"));
    schemes_ = new QButtonGroup(this);
    {
        auto* column = new QVBoxLayout(colors);
        int id = 0;
        for (const ColorScheme& scheme : ColorSchemes) {
            auto* radio = new QRadioButton(QString::fromLatin1(scheme.Name), colors);
            schemes_->addButton(radio, id++);
            column->addWidget(radio);
        }
        auto* custom = new QRadioButton(QStringLiteral("Custom"), colors);
        schemes_->addButton(custom, id);
        column->addWidget(custom);
        connect(schemes_, &QButtonGroup::idClicked, this, [this](int chosen) {
            if (chosen < int(ColorSchemes.size())) {
                UseScheme(values_, ColorSchemes[size_t(chosen)]);
                return;
            }
            TCustomColors form(values_, this);
            if (form.exec() == QDialog::Accepted) values_ = form.Values();
        });
    }
    grid->addWidget(colors, 6, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TSetupOptions::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TSetupOptions::reject);
    grid->addWidget(buttons, 7, 0, 1, 2);
}

void TSetupOptions::UpdateSize() { sizeLabel_->setText(QString::number(ScalePercent(values_.CardSize)) + QStringLiteral("%")); }

void TSetupOptions::accept() {
    auto mask = [](const std::array<QCheckBox*, 4>& boxes) {
        std::int32_t bits = 0;
        for (TSeat seat = North; seat <= West; ++seat) bits |= boxes[seat]->isChecked() ? SeatBit(seat) : 0;
        return bits;
    };
    values_.HandsPlayed = mask(played_);
    values_.HandsSeen = mask(seen_);
    values_.WhoAlerts = (alerts_[0]->isChecked() ? SeatBit(North) | SeatBit(South) : 0) |
                        (alerts_[1]->isChecked() ? SeatBit(East) | SeatBit(West) : 0);
    values_.ScoringMode = scoring_->checkedId() < 0 ? values_.ScoringMode : scoring_->checkedId();
    values_.PlayLevel = thinking_->value();
    values_.ClearTable = clearAuto_->isChecked();
    values_.ClearTableTime = clearSlider_->value();
    values_.SimBid = simulate_->isChecked();
    values_.SimBidTime = simSlider_->value();
    values_.AutoPlaySingleton = singletons_->isChecked();
    values_.DDPlayOpenRoom = ddOpen_->isChecked();
    values_.DDPlayClosedRoom = ddClosed_->isChecked();
    values_.BackDesign = backs_->currentRow();
    QDialog::accept();
}

}  // namespace corvane::ui
