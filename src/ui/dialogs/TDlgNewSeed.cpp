#include "ui/dialogs/TDlgNewSeed.h"

#include "cards/SeedEntry.h"

#include "ui/common/Messages.h"
#include "ui/common/Text.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace corvane::ui {

TDlgNewSeed::TDlgNewSeed(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString::fromLatin1(SeedEntryCaption));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Random seed:"), this));
    entry_ = new QLineEdit(this);
    entry_->setObjectName(QStringLiteral("SeedEntry"));
    // A sign or digit, then up to eleven digits; blanks stand for positions left empty.
    entry_->setMaxLength(SeedEntryMaxLength);
    entry_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[-+0-9 ]?[0-9 ]{0,11}")), entry_));
    layout->addWidget(entry_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TDlgNewSeed::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TDlgNewSeed::reject);
    layout->addWidget(buttons);
}

void TDlgNewSeed::accept() {
    const SeedEntryResult result = CheckSeedEntry(ToCore(entry_->text()));
    if (!result.Accepted) {
        ShowMessage(this, QString::fromLatin1(result.Message.c_str()));
        entry_->setFocus();
        return;
    }
    seed_ = result.Seed;
    reproductionText_ = result.ReproductionText;
    QDialog::accept();
}

}  // namespace corvane::ui
