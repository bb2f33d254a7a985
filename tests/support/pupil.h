#pragma once
// What a pupil does on a screen, for the screen tests: a click, writing over
// what a box holds, a score read as the pupil's locale writes it; and a control
// found by its stored name.

#include "app/screen.h"

#include <QLineEdit>
#include <QLocale>
#include <QtTest>

namespace sdtest {

// A left click in the middle of the widget.
inline void click(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton);
}

// Clicks into the box and types over what it holds; "" empties it.
inline void type(QLineEdit* box, const QString& text) {
    click(box);
    box->selectAll();
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Backspace);
    else
        QTest::keyClicks(box, text);
}

// A score as the pupil's locale writes it: "2.5" is "2,5" where the comma is the
// decimal point.
inline QString dec(QString score) {
    return score.replace(u'.', QLocale().decimalPoint());
}

// The widget of a control: a name the screen lacks stops the test there, naming
// the control, rather than handing on a null that crashes it further on.
inline QWidget* widget(const sd::Screen* s, const QString& name, int index = -1) {
    return s->control(name, index)->widget();
}

} // namespace sdtest
