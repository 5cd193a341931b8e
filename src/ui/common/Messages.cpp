#include "ui/common/Messages.h"

#include <QApplication>

namespace corvane::ui {

namespace {
MessageResponder& Responder() {
    static MessageResponder responder;
    return responder;
}
}  // namespace

void SetMessageResponder(MessageResponder responder) { Responder() = std::move(responder); }

QMessageBox::StandardButton ShowMessage(QWidget* parent, const QString& raw,
                                        QMessageBox::StandardButtons buttons, QMessageBox::Icon icon) {
    // The table's texts break their lines with a lone carriage return, which a label ignores.
    QString text = raw;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (Responder()) return Responder()(text, buttons);
    QMessageBox box(icon, QApplication::applicationDisplayName(), text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

namespace {
int beeps = 0;
}  // namespace

void Beep() {
    ++beeps;
    QApplication::beep();
}

int BeepCount() { return beeps; }

}  // namespace corvane::ui
