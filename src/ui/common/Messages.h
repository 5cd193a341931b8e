// Modal message boxes with fixed texts, and the one place tests answer them instead of a person.
#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

namespace corvane::ui {

// Shows `text` with the given buttons and returns the button pressed. The title is the
// application's name, as on every message of the program.
QMessageBox::StandardButton ShowMessage(QWidget* parent, const QString& text,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                        QMessageBox::Icon icon = QMessageBox::Information);

// While set, messages go to the responder and no box is shown (tests, the screenshot run).
using MessageResponder = std::function<QMessageBox::StandardButton(const QString& text,
                                                                   QMessageBox::StandardButtons buttons)>;
void SetMessageResponder(MessageResponder responder);

// The refused-key sound.
void Beep();
// How many times it sounded since the program started.
int BeepCount();

}  // namespace corvane::ui
