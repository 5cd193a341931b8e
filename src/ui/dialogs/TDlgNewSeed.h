// The dialog that sets the random generator to a seed the person types.
#pragma once

#include <QDialog>

#include <cstdint>
#include <string>

class QLineEdit;

namespace corvane::ui {

class TDlgNewSeed : public QDialog {
    Q_OBJECT
public:
    explicit TDlgNewSeed(QWidget* parent = nullptr);

    QLineEdit* Entry() const { return entry_; }
    // The accepted seed; meaningful after the dialog was accepted.
    std::int32_t Seed() const { return seed_; }
    const std::string& ReproductionText() const { return reproductionText_; }

public Q_SLOTS:
    void accept() override;

private:
    QLineEdit* entry_;
    std::int32_t seed_ = 0;
    std::string reproductionText_;
};

}  // namespace corvane::ui
