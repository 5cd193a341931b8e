// The forms that edit the person's settings: the first-start welcome, Preferences and Custom
// Colors.
#pragma once

#include "settings/Options.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSlider;

namespace corvane::ui {

// Asks the first player's name.
class TWelcomeForm : public QDialog {
    Q_OBJECT
public:
    explicit TWelcomeForm(QWidget* parent = nullptr);
    QLineEdit* NameEntry() const { return name_; }
    // The accepted name ("Anonymous" after Cancel with nothing typed); empty after plain Cancel.
    QString PlayerName() const { return chosen_; }

public Q_SLOTS:
    void accept() override;
    void reject() override;

private:
    QLineEdit* name_;
    QString chosen_;
};

// The four screen colours; Cancel gives back the ones it started with.
class TCustomColors : public QDialog {
    Q_OBJECT
public:
    TCustomColors(const Options& options, QWidget* parent = nullptr);
    // Sets one colour as the colour dialog would; refused (with its message) when another panel
    // already has it. Returns whether it was taken.
    bool SetColor(int panel, const QColor& color);
    const Options& Values() const { return values_; }
    QPushButton* Panel(int index) const { return panels_[size_t(index)]; }

private:
    void ShowPanel(int panel);
    std::int32_t& Field(int panel);

    Options values_;
    std::array<QPushButton*, 4> panels_{};
};

// Preferences, shown with the current values; Values() holds the edited ones after OK.
class TSetupOptions : public QDialog {
    Q_OBJECT
public:
    TSetupOptions(const Options& options, bool matchInProgress, QWidget* parent = nullptr);
    const Options& Values() const { return values_; }
    // The percentage the "Text / Card Size" label shows for a display scale (96 is 100 %).
    static int ScalePercent(int scale);
    // One press of "Larger" or "Smaller".
    static int StepScale(int scale, bool larger);

    QCheckBox* PlayedBox(int seat) const { return played_[size_t(seat)]; }
    QCheckBox* SeenBox(int seat) const { return seen_[size_t(seat)]; }
    QButtonGroup* ScoringGroup() const { return scoring_; }
    QSlider* ClearSlider() const { return clearSlider_; }
    QRadioButton* ClearAutomatically() const { return clearAuto_; }
    QLabel* SizeLabel() const { return sizeLabel_; }
    QPushButton* LargerButton() const { return larger_; }

public Q_SLOTS:
    void accept() override;

private:
    void UpdateSize();

    Options values_;
    std::array<QCheckBox*, 4> played_{};
    std::array<QCheckBox*, 4> seen_{};
    std::array<QCheckBox*, 2> alerts_{};
    QButtonGroup* scoring_;
    QSlider* thinking_;
    QRadioButton* clearAuto_;
    QSlider* clearSlider_;
    QRadioButton* simulate_;
    QSlider* simSlider_;
    QCheckBox* singletons_;
    QCheckBox* ddOpen_;
    QCheckBox* ddClosed_;
    QListWidget* backs_;
    QLabel* sizeLabel_;
    QPushButton* larger_;
    QButtonGroup* schemes_;
};

}  // namespace corvane::ui
