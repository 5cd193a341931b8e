// The rubber score pad: WE (North-South) and THEY (East-West), above and below the line.
#pragma once

#include "ui/common/MarkupGrid.h"

#include <QDialog>

namespace corvane::ui {

inline constexpr int RubberPadRows = 10;
inline constexpr int RubberPadLineRow = 5;  // the line is drawn under this row

class RubberPadWindow : public QDialog {
    Q_OBJECT
public:
    explicit RubberPadWindow(QWidget* parent = nullptr);

    // The pad's ten rows of three cells; `gameRow` (-1 for none) is highlighted as the game in
    // progress.
    void SetPad(const TextGrid& cells, int gameRow = -1);
    MarkupGrid* Grid() const { return grid_; }

private:
    MarkupGrid* grid_;
};

}  // namespace corvane::ui
