// A push button whose caption may carry "~" suit markup, drawn in colour.
#pragma once

#include <QPushButton>

namespace corvane::ui {

class MarkupButton : public QPushButton {
    Q_OBJECT
public:
    explicit MarkupButton(const QString& markup, QWidget* parent = nullptr);
    const QString& Markup() const { return markup_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString markup_;
};

}  // namespace corvane::ui
