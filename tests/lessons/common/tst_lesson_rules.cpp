// The rules the lessons share: score captions written and read back with the
// pupil's decimal point, halves rounded to even, and the braces that follow a
// written box.

#include "lessons/common/lesson_rules.h"
#include "lessons/common/rgb.h"

#include <QtTest>

using namespace sd;
using namespace sd::lessons;

class TestLessonRules : public QObject {
    Q_OBJECT

private slots:
    void scoreTextsReadBackTheSameNumber_data();
    void scoreTextsReadBackTheSameNumber();
    void unreadableScoresCountAsZero_data();
    void unreadableScoresCountAsZero();
    void nearestEven_data();
    void nearestEven();
    void liveBracesLookOnlyAtTheIndex_data();
    void liveBracesLookOnlyAtTheIndex();
    void coloursDropTheirAlpha();
};

void TestLessonRules::scoreTextsReadBackTheSameNumber_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("point");
    QTest::addColumn<int>("precision");
    QTest::addColumn<QString>("text");
    const int shortest = QLocale::FloatingPointShortest;
    QTest::newRow("zero") << 0.0 << "." << 15 << "0";
    QTest::newRow("negative zero") << -0.0 << "." << shortest << "0";
    QTest::newRow("half") << 0.5 << "." << 15 << "0.5";
    QTest::newRow("ten") << 10.0 << "." << 15 << "10";
    QTest::newRow("minus a half") << -0.5 << "." << 15 << "-0.5";
    QTest::newRow("comma point") << 12.5 << "," << 15 << "12,5";
    QTest::newRow("Arabic point") << 7.5 << "٫" << 15 << "7٫5";
    QTest::newRow("whole, comma") << 4.0 << "," << shortest << "4";
    QTest::newRow("running total") << -1.5 << "," << shortest << "-1,5";
    // Never grouped, whatever the locale: a thousand points read back as one number.
    QTest::newRow("thousands") << 1234.5 << "," << shortest << "1234,5";
    // The precision decides how much of a sixth is written; each reads back as written.
    QTest::newRow("sixths, shortest") << 35.0 / 6 << "," << shortest << "5,833333333333333";
    QTest::newRow("sixths, fifteen") << 35.0 / 6 << "." << 15 << "5.83333333333333";
}

void TestLessonRules::scoreTextsReadBackTheSameNumber() {
    QFETCH(double, value);
    QFETCH(QString, point);
    QFETCH(int, precision);
    QFETCH(QString, text);
    QCOMPARE(scoreText(value, point, precision), text);
    const double back = scoreValue(text, point);
    if (precision == QLocale::FloatingPointShortest)
        QCOMPARE(back, value == 0 ? 0.0 : value);
    else
        QCOMPARE(scoreText(back, point, precision), text);
}

void TestLessonRules::unreadableScoresCountAsZero_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("point");
    QTest::addColumn<double>("value");
    QTest::newRow("letters") << "abc"
                             << "." << 0.0;
    QTest::newRow("empty") << ""
                           << "," << 0.0;
    QTest::newRow("a point as well as a comma") << "2.5"
                                                << "," << 2.5;
    QTest::newRow("blanks round it") << " 3,5 "
                                     << "," << 3.5;
    QTest::newRow("grouped") << "1,000"
                             << "." << 0.0;
}

void TestLessonRules::unreadableScoresCountAsZero() {
    QFETCH(QString, caption);
    QFETCH(QString, point);
    QFETCH(double, value);
    QCOMPARE(scoreValue(caption, point), value);
}

void TestLessonRules::nearestEven_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("expected");
    QTest::newRow(".5") << 0.5 << 0.0;
    QTest::newRow("1.5") << 1.5 << 2.0;
    QTest::newRow("2.5") << 2.5 << 2.0;
    QTest::newRow("-0.5") << -0.5 << 0.0;
    QTest::newRow("-1.5") << -1.5 << -2.0;
    QTest::newRow("-2.5") << -2.5 << -2.0;
    QTest::newRow("62.5") << 62.5 << 62.0;
    QTest::newRow("87.5") << 87.5 << 88.0;
    QTest::newRow("6.8") << 6.8 << 7.0;
    QTest::newRow("6.2") << 6.2 << 6.0;
    // Far beyond any integer type: no cast, no overflow.
    QTest::newRow("1e300") << 1e300 << 1e300;
}

void TestLessonRules::nearestEven() {
    QFETCH(double, x);
    QFETCH(double, expected);
    QCOMPARE(sd::lessons::nearestEven(x), expected);
}

void TestLessonRules::liveBracesLookOnlyAtTheIndex_data() {
    QTest::addColumn<int>("base");
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("before");
    QTest::addColumn<QString>("beforeSign");
    QTest::addColumn<int>("after");
    QTest::newRow("first box of row 1") << 0 << 0 << 0 << "{" << 1;
    QTest::newRow("box 3 of row 1") << 0 << 3 << 3 << QStringLiteral("،") << 4;
    QTest::newRow("last box of row 3") << 18 << 6 << 24 << QStringLiteral("،") << 25;
    QTest::newRow("first box of row 4") << 26 << 0 << 26 << "{" << 27;
    // The expressing grid: its second row starts at box 8, separator 9.
    QTest::newRow("expressing, row 2, box 8") << 9 << 0 << 9 << "{" << 10;
    QTest::newRow("expressing, row 2, box 10") << 9 << 2 << 11 << QStringLiteral("،") << 12;
}

void TestLessonRules::liveBracesLookOnlyAtTheIndex() {
    QFETCH(int, base);
    QFETCH(int, box);
    QFETCH(int, before);
    QFETCH(QString, beforeSign);
    QFETCH(int, after);
    const auto signs = sd::lessons::liveBraces(base, box);
    QCOMPARE(signs[0].index, before);
    QCOMPARE(signs[0].caption, beforeSign);
    QCOMPARE(signs[1].index, after);
    QCOMPARE(signs[1].caption, QStringLiteral("}"));
}

void TestLessonRules::coloursDropTheirAlpha() {
    QCOMPARE(Rgb(0xFFFF0000), Rgb(0xFF0000));
    QVERIFY(!(Rgb(0xFF0000) == Rgb(0x00FF00)));
}

QTEST_APPLESS_MAIN(TestLessonRules)
#include "tst_lesson_rules.moc"
