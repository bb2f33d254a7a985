#pragma once
// What a pupil notices of a screen's layout, for the screen tests: controls that
// cover one another.

#include "app/screen.h"

#include <QStringList>
#include <QWidget>

#include <functional>

namespace sdtest {

// The shown controls the test looks at.
inline QList<const sd::Control*> shownControls(const sd::Screen* s,
                                               const std::function<bool(const sd::Control*)>& wanted) {
    QList<const sd::Control*> out;
    for (const sd::Control* c : s->controls())
        if (c->widget()->isVisibleTo(s) && wanted(c))
            out.append(c);
    return out;
}

// Pairs of the controls whose rectangles share a pixel, as "a / b".
inline QStringList overlapping(const sd::Screen* s, const QList<const sd::Control*>& controls) {
    QStringList out;
    const auto rect = [s](const sd::Control* c) {
        return QRect(c->widget()->mapTo(s, QPoint(0, 0)), c->widget()->size());
    };
    for (qsizetype i = 0; i < controls.size(); ++i)
        for (qsizetype j = i + 1; j < controls.size(); ++j)
            if (rect(controls[i]).intersects(rect(controls[j])))
                out.append(controls[i]->widget()->objectName() + QStringLiteral(" / ") +
                           controls[j]->widget()->objectName());
    return out;
}

} // namespace sdtest
