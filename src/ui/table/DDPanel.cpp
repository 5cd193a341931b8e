#include "ui/table/DDPanel.h"

#include "ui/common/Text.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvane::ui {

TextGrid DDCells(const DDTricks& tricks) {
    TextGrid cells(6, std::vector<std::string>(5));
    for (int seat = 0; seat < 4; ++seat) cells[0][size_t(seat + 1)] = std::string(1, SeatLetters[size_t(seat)]);
    for (int row = 1; row <= 5; ++row) {
        const int strain = 5 - row;
        cells[size_t(row)][0] = std::string("~") + StrainLetters[size_t(strain)];
        for (int seat = 0; seat < 4; ++seat) {
            cells[size_t(row)][size_t(seat + 1)] = std::to_string(tricks[size_t(seat)][size_t(strain)]);
        }
    }
    return cells;
}

DDPanel::DDPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("DDPanel"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    title_ = new QLabel(QStringLiteral("Maximum DD tricks"), this);
    title_->setAlignment(Qt::AlignCenter);
    layout->addWidget(title_);
    grid_ = new MarkupGrid(this);
    grid_->setObjectName(QStringLiteral("DDGrid"));
    layout->addWidget(grid_, 0, Qt::AlignHCenter);
    par_ = new QLabel(this);
    par_->setObjectName(QStringLiteral("ParNS"));
    par_->setAlignment(Qt::AlignCenter);
    par_->setTextFormat(Qt::RichText);
    layout->addWidget(par_);
    close_ = new QPushButton(QStringLiteral("Close DD Results"), this);
    close_->setObjectName(QStringLiteral("CloseDDResultsBtn"));
    connect(close_, &QPushButton::clicked, this, &DDPanel::CloseClicked);
    layout->addWidget(close_, 0, Qt::AlignHCenter);
    SetTable(DDTricks{});
}

void DDPanel::SetTable(const DDTricks& tricks) {
    grid_->SetCells(DDCells(tricks));
    FormatGrid();
    FitGrid();
}

void DDPanel::FormatGrid() {
    // The grid keeps its cells from one table to the next: an earlier board's par mark must go.
    for (int r = 0; r < grid_->rowCount(); ++r) {
        for (int c = 0; c < grid_->columnCount(); ++c) grid_->SetCellFont(r, c, font());
    }
    marked_ = {-1, -1};
    QFont bold = font();
    bold.setBold(true);
    QFont larger = font();
    larger.setPointSizeF(font().pointSizeF() + 2);
    for (int c = 0; c < grid_->columnCount(); ++c) grid_->SetCellFont(0, c, bold);
    for (int r = 1; r < grid_->rowCount(); ++r) grid_->SetCellFont(r, 0, larger);
}

void DDPanel::FitGrid() {
    grid_->FitToContents();
    grid_->setFixedSize(grid_->minimumSize());
}

void DDPanel::SetParText(const QString& parText) { par_->setText(MarkupToHtml(parText)); }

void DDPanel::MarkPar(int declarer, int strain) {
    FormatGrid();
    if (declarer >= 0 && declarer <= 3 && strain >= 0 && strain <= 4) {
        QFont mark = font();
        mark.setBold(true);
        mark.setPointSizeF(font().pointSizeF() + 1);
        marked_ = {5 - strain, declarer + 1};
        grid_->SetCellFont(marked_.first, marked_.second, mark);
    }
    FitGrid();
}

}  // namespace corvane::ui
