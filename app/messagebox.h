#pragma once
// Modal message boxes. The Arabic ones read right to left with their text on
// the right; the screen waits until the box is closed.

#include <QMessageBox>
#include <QString>

namespace sd {

// Shows a modal box with an OK button and returns when it is closed.
void MsgBox(QWidget* parent, const QString& text, const QString& title,
            QMessageBox::Icon icon = QMessageBox::NoIcon, bool rightToLeft = true);

} // namespace sd
