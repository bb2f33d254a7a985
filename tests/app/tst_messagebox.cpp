// Message boxes show their whole text and their whole OK button, in Arabic and
// in Latin, under a style that puts icons on dialog buttons as X11 desktops do
// and with Qt's own Arabic caption for the button, which the program's start loads.

#include "app/messagebox.h"
#include "support/testmain.h"

#include <QLabel>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QtTest>

namespace {

class IconButtonsStyle : public QProxyStyle {
public:
    IconButtonsStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// The columns holding the caption's dark ink, ignoring the button's frame.
std::pair<int, int> inkColumns(const QImage& image) {
    int first = image.width();
    int last = -1;
    for (int y = 3; y < image.height() - 3; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 90) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}

struct Seen {
    bool opened = false;
    QString caption;
    int buttonWidth = 0;
    std::pair<int, int> ink;
    QRect labelRect;
    QSize labelNeeds;
    QRect boxRect;
};

} // namespace

class MessageBoxTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setStyle(new IconButtonsStyle); }

    void fitsButtonAndText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("rightToLeft");
        const QString latin = QStringLiteral("System Information Is Unavailable At This Time");
        const QString arabic =
            QStringLiteral("  عذرا لم تحسن الاختيار ، سوف تخصم درجة من  التقدير ، وأعد الاختيار  ");
        QTest::newRow("Latin text") << latin << false;
        QTest::newRow("Arabic text") << arabic << true;
    }

    void fitsButtonAndText() {
        QFETCH(QString, text);
        QFETCH(bool, rightToLeft);

        Seen seen;
        QTimer look;
        look.setInterval(10);
        connect(&look, &QTimer::timeout, &look, [&seen] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            seen.opened = true;
            QAbstractButton* ok = box->button(QMessageBox::Ok);
            const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            if (ok && label) {
                seen.caption = ok->text();
                seen.buttonWidth = ok->width();
                seen.ink = inkColumns(ok->grab().toImage());
                seen.labelRect = QRect(label->mapTo(box, QPoint(0, 0)), label->size());
                seen.labelNeeds = QSize(label->minimumSizeHint().width(),
                                        label->wordWrap() ? label->heightForWidth(label->width())
                                                          : label->sizeHint().height());
                seen.boxRect = box->rect();
            }
            box->done(0);
        });
        look.start();
        sd::MsgBox(nullptr, text, QStringLiteral("تمارين المجموعات"), QMessageBox::Information, rightToLeft);

        QVERIFY(seen.opened);
        QCOMPARE(seen.caption.remove(QLatin1Char('&')), QStringLiteral("حسنًا"));
        // The caption's ink stands clear of both edges of its button.
        QVERIFY2(seen.ink.second >= seen.ink.first, "the button shows no caption");
        QVERIFY2(seen.ink.first >= 4 && seen.ink.second <= seen.buttonWidth - 5,
                 qPrintable(QStringLiteral("caption ink at columns %1..%2 of a %3-pixel button")
                                .arg(seen.ink.first)
                                .arg(seen.ink.second)
                                .arg(seen.buttonWidth)));
        // The text is whole: as wide and as tall as it needs, inside the box.
        QVERIFY(seen.labelRect.width() >= seen.labelNeeds.width());
        QVERIFY(seen.labelRect.height() >= seen.labelNeeds.height());
        QVERIFY(seen.boxRect.contains(seen.labelRect));
    }
};

SDTEST_MAIN(MessageBoxTest)
#include "tst_messagebox.moc"
