// The double-dummy panel: tricks each seat can take in each strain, the par result and the close
// button.
#pragma once

#include "cards/Cards.h"
#include "ui/common/MarkupGrid.h"

#include <QFrame>

#include <array>
#include <utility>

class QLabel;
class QPushButton;

namespace corvane::ui {

// Tricks by seat and strain (clubs .. notrump), as the solver reports them seat-major.
using DDTricks = std::array<std::array<int, 5>, 4>;

// Row 0 "N E S W", then notrump, spades, hearts, diamonds, clubs with their symbols.
TextGrid DDCells(const DDTricks& tricks);

class DDPanel : public QFrame {
    Q_OBJECT
public:
    explicit DDPanel(QWidget* parent = nullptr);

    void SetTable(const DDTricks& tricks);
    // "Par: 4~S N/S; N-S 620".
    void SetParText(const QString& parText);
    // Marks the par contract's cell (declarer and strain); a seat or strain out of range, as for
    // a passed-out par, marks none. Only one cell is ever marked.
    void MarkPar(int declarer, int strain);
    // The marked cell as (row, column); (-1, -1) when none is.
    std::pair<int, int> MarkedCell() const { return marked_; }
    MarkupGrid* Grid() const { return grid_; }
    QLabel* ParLabel() const { return par_; }
    QPushButton* CloseButton() const { return close_; }

Q_SIGNALS:
    void CloseClicked();

private:
    void FormatGrid();
    void FitGrid();

    QLabel* title_;
    MarkupGrid* grid_;
    QLabel* par_;
    QPushButton* close_;
    std::pair<int, int> marked_{-1, -1};
};

}  // namespace corvane::ui
