#pragma once
// What the tests of the listing drills share: the screen opened through the
// program's navigator, each row by its boxes, check button and key, and the
// pupil's clicks and typing.

#include "app/navigator.h"
#include "app/screen.h"
#include "support/pupil.h"
#include "support/screentest.h"

#include <QtTest>

namespace drilltest {

using namespace sd;
using sdtest::click;
using sdtest::dec;

// A row: boxes `first` .. `first + count - 1` of an entry-box array, its check
// button, its answer key `key(keyFirst .. keyLast)` and, for the tests that read
// them, its separators `lbl11(separatorBase ..)`, one more than its boxes.
struct Row {
    QString boxes;
    int first;
    int count;
    int check;
    QString key;
    int keyFirst;
    int keyLast;
    int separatorBase = -1;
};

// A set as the answer keys write it, from its elements apart by blanks: "{ 2 ، 6 }", "{ }".
inline QString roster(const QString& elements) {
    const QStringList e = elements.split(u' ', Qt::SkipEmptyParts);
    return e.isEmpty() ? QStringLiteral("{ }")
                       : QStringLiteral("{ ") + e.join(QStringLiteral(" ، ")) + QStringLiteral(" }");
}

class DrillScreen {
public:
    DrillScreen(const char* name, std::vector<Row> rows) : rows_(std::move(rows)) {
        s = program_.nav->show(QString::fromLatin1(name));
        if (s) {
            s->activateWindow();
            active = QTest::qWaitForWindowActive(s);
        }
    }

    Screen* s = nullptr;
    bool active = false; // opened and in front

    const Row& row(int r) const { return rows_.at(r - 1); }
    TextBox* box(int r, int p) const { return s->get<TextBox>(row(r).boxes, row(r).first + p); }
    Label* label(const QString& name, int i = -1) const { return s->get<Label>(name, i); }
    QString caption(const QString& name, int i = -1) const { return label(name, i)->caption(); }
    CommandButton* button(const QString& name, int i = -1) const { return s->get<CommandButton>(name, i); }
    bool shown(const QString& name, int i = -1) const { return !sdtest::widget(s, name, i)->isHidden(); }
    sdtest::Program& program() { return program_; }

    void clickNumber(int k) const { click(label("lbl1", k)); }
    void press(const QString& name, int i = -1) const { click(button(name, i)); }
    void check(int r) const { press("Cmd1", row(r).check); }
    void newProblem(int times = 1) const {
        for (int i = 0; i < times; ++i)
            press("Command1");
    }
    // Types the entries into row r from its box 0 on; "" empties a box.
    void write(int r, const QStringList& entries) const {
        for (int p = 0; p < entries.size(); ++p)
            sdtest::type(box(r, p), entries[p]);
    }
    // The colours of row r's boxes: k black, r red, g green.
    QString colours(int r) const {
        QString out;
        for (int p = 0; p < row(r).count; ++p) {
            const QColor c = box(r, p)->backColor();
            out += c == QColor(Qt::black)   ? u'k'
                   : c == QColor(Qt::red)   ? u'r'
                   : c == QColor(Qt::green) ? u'g'
                                            : u'?';
        }
        return out;
    }
    // Row r's answer key as the pupil reads it, blanks evened out.
    QString key(int r) const { return keyJoined(r, QStringLiteral(" ")); }
    // The same from the labels' own blanks alone, for a drill whose key captions
    // carry every blank the pupil sees.
    QString keyAsWritten(int r) const { return keyJoined(r, QString()); }
    // Every label of row r's key shown, or every one hidden.
    bool keyShown(int r) const { return keyLabelsShown(r) == row(r).keyLast - row(r).keyFirst + 1; }
    bool keyHidden(int r) const { return keyLabelsShown(r) == 0; }
    // Row r's separators from its opening brace, as "{،،}،".
    QString separators(int r) const {
        QString out;
        for (int k = 0; k <= row(r).count; ++k)
            out += caption("lbl11", row(r).separatorBase + k);
        return out;
    }
    QString diagram() const {
        QStringList d;
        for (int k : s->indexes("lbl1"))
            d.append(caption("lbl1", k));
        return d.join(u' ');
    }
    // The boxes drawn 3D, as "Text3(7)".
    QStringList current() const {
        QStringList out;
        for (const char* boxes : {"Text1", "Text2", "Text3", "Text4"})
            for (int i : s->indexes(boxes))
                if (s->get<TextBox>(boxes, i)->appearance() == 1)
                    out.append(QStringLiteral("%1(%2)").arg(boxes).arg(i));
        return out;
    }
    // The caption fits its label on one line.
    bool readWhole(const QString& name, int i = -1) const {
        const Label* l = label(name, i);
        return QFontMetrics(l->font()).horizontalAdvance(l->caption()) <= l->width();
    }

private:
    QString keyJoined(int r, const QString& between) const {
        QStringList parts;
        for (int i = row(r).keyFirst; i <= row(r).keyLast; ++i)
            parts.append(caption(row(r).key, i));
        return parts.join(between).simplified();
    }
    int keyLabelsShown(int r) const {
        int n = 0;
        for (int i = row(r).keyFirst; i <= row(r).keyLast; ++i)
            n += shown(row(r).key, i);
        return n;
    }

    sdtest::Program program_;
    std::vector<Row> rows_;
};

} // namespace drilltest
