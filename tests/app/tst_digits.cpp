// Numbers in the digits of the pupil's school: with "١٢٣" chosen every number a
// screen shows is drawn with the Eastern Arabic digits, on the screens open and
// on those opened later, while texts, places, judging and room taken stay the same.

#include "app/fonts.h"
#include "app/messagebox.h"
#include "app/screen.h"
#include "support/screentest.h"
#include "support/testmain.h"

#include <QGlyphRun>
#include <QLabel>
#include <QRawFont>
#include <QTextLayout>
#include <QtTest>

#include <memory>

using namespace sd;

class TestDigits : public QObject {
    Q_OBJECT

    std::unique_ptr<sdtest::Program> program;

    Screen* open(const QString& name) const { return program->open(name); }
    static QString shownText(const QWidget* w) {
        if (const auto* label = qobject_cast<const QLabel*>(w); label && !dynamic_cast<const Control*>(w))
            return label->text();
        return w->property(qobject_cast<const QLineEdit*>(w) ? "text" : "caption").toString();
    }
    // How many digits of the text the widget's font draws with a face of the
    // wanted kind, and which digits it does not.
    static int digitsDrawn(const QWidget* w, bool eastern, QStringList& wrong) {
        const QString text = shownText(w);
        QTextLayout layout(text, w->font());
        layout.beginLayout();
        layout.createLine().setLineWidth(1e6);
        layout.endLayout();
        int right = 0;
        for (int i = 0; i < text.size(); ++i) {
            if (text[i] < u'0' || text[i] > u'9')
                continue;
            for (const QGlyphRun& run : layout.glyphRuns(i, 1)) {
                if (fonts::isEasternDigitsFace(run.rawFont().familyName()) == eastern)
                    ++right;
                else
                    wrong << w->objectName() + ':' + text;
            }
        }
        return right;
    }
    static QStringList wrongDigits(const Screen* s, bool eastern, int& right) {
        QStringList wrong;
        for (const Control* c : s->controls())
            right += digitsDrawn(c->widget(), eastern, wrong);
        return wrong;
    }

private slots:
    void init() { program = std::make_unique<sdtest::Program>(); }
    void cleanup() {
        Screen::setProgramDigits(false);
        program.reset();
    }

    void everyNumberDrawnEastern_data() {
        QTest::addColumn<QString>("screen");
        const sdtest::Program program;
        for (const QString& name : program.nav->registeredScreens())
            QTest::newRow(qPrintable(name)) << name;
    }
    void everyNumberDrawnEastern() {
        QFETCH(QString, screen);
        const sdtest::MessageWatcher watcher(this);
        Screen* s = open(screen);
        for (TextBox* box : s->findChildren<TextBox*>())
            box->setText(QStringLiteral("7")); // what a pupil may write
        QMap<const Control*, std::tuple<QRect, QString, bool>> before;
        for (const Control* c : s->controls())
            before[c] = {c->twips(), shownText(c->widget()), c->captionShowsWhole()};
        QVERIFY(s->menuItem("digitsWestern")->isChecked());

        s->menuItem("digitsEastern")->trigger();
        QVERIFY(s->menuItem("digitsEastern")->isChecked());
        int eastern = 0;
        const QStringList wrong = wrongDigits(s, true, eastern);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(' ')));
        QVERIFY(eastern > 0);
        for (const Control* c : s->controls()) {
            const auto& [twips, text, whole] = before[c];
            QCOMPARE(c->twips(), twips);
            QCOMPARE(shownText(c->widget()), text);
            QVERIFY2(c->captionShowsWhole() || !whole, qPrintable(c->widget()->objectName()));
        }
        // A screen opened later draws them too; back to the lessons' own digits.
        Screen* later = open(screen == "frmgrop3" ? "frmvan" : "frmgrop3");
        int drawn = 0;
        QVERIFY(wrongDigits(later, true, drawn).isEmpty());
        QVERIFY(later->menuItem("digitsEastern")->isChecked());
        later->menuItem("digitsWestern")->trigger();
        QVERIFY(s->menuItem("digitsWestern")->isChecked());
        int western = 0;
        QVERIFY(wrongDigits(s, false, western).isEmpty());
        QCOMPARE(western, eastern);
    }

    void messageBoxDigits() {
        Screen* s = open("frmgrop3");
        for (bool eastern : {false, true}) {
            Screen::setProgramDigits(eastern);
            QStringList wrong;
            int right = 0;
            QTimer::singleShot(50, this, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!box)
                    return;
                for (const QLabel* label : box->findChildren<QLabel*>())
                    if (label->text() == box->text())
                        right = digitsDrawn(label, eastern, wrong);
                box->button(QMessageBox::Ok)->click();
            });
            MsgBox(s, QStringLiteral("النتيجة 75 %"), QStringLiteral("تقويم"));
            QCOMPARE(right, 2);
            QVERIFY(wrong.isEmpty());
        }
    }

    // The same clicks and keys give the same texts and marks with either digits,
    // and digits typed from an Arabic keyboard are taken as before.
    void sameMarksEitherWay() {
        const auto story = [this](bool eastern) {
            Screen::setProgramDigits(eastern);
            Screen* s = open("frmGroups");
            QTest::mouseClick(s->control("Text1", 0)->widget(), Qt::LeftButton);
            for (int k : {0, 0, 1, 5, 3})
                QTest::mouseClick(s->control("lbl1", k)->widget(), Qt::LeftButton);
            auto* typed = s->get<TextBox>("Text1", 2);
            typed->setFocus();
            QTest::sendKeyEvent(QTest::Click, typed, Qt::Key(0x663), QStringLiteral("٣"), Qt::NoModifier);
            QTest::mouseClick(s->control("Cmd1", 4)->widget(), Qt::LeftButton);
            QStringList marks{s->get<Label>("Label4", 0)->caption(), s->get<Label>("Label5", 2)->caption()};
            for (const TextBox* box : s->getArray<TextBox>("Text1"))
                marks << box->text() + box->backColor().name();
            program = std::make_unique<sdtest::Program>();
            return marks;
        };
        const QStringList western = story(false);
        QVERIFY(western.join(' ').contains('3'));
        QCOMPARE(story(true), western);
    }
};

SDTEST_MAIN(TestDigits)
#include "tst_digits.moc"
