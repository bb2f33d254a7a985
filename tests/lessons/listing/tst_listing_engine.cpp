// The shared engine on a drill shaped like the later ones: two rows in one box
// array, a row whose correct set is empty, check buttons without a score that can
// be pressed again and again, notes by table, and the repeat note kept or cleared
// as the drill's table says.

#include "lessons/listing/listing_drill.h"
#include "lessons/listing/listing_layout.h"

#include "support/pupil.h"
#include "support/testmain.h"

#include <QtTest>

using namespace sd;
using namespace sd::listing;
using sdtest::click;

namespace {

const QString kComma = QStringLiteral("،");

const std::vector<NumberSpot>& numbers() {
    static const std::vector<NumberSpot> n{{"1", 0xFFFF00, 600, 60},
                                           {"2", 0xFF8000, 1200, 60},
                                           {"3", 0xFFFFFF, 1800, 60},
                                           {"4", 0xFFFFFF, 2400, 60}};
    return n;
}

std::vector<ControlSpec> controls() {
    std::vector<ControlSpec> c;
    addDiagramNumbers(c, numbers());
    // Row A: Text3(0..2), the intersection {1, 2}; row B: Text3(3..5), the empty set.
    addEntryRow(c, {.boxes = "Text3",
                    .first = 0,
                    .lefts = {5400, 4800, 4200},
                    .top = 1200,
                    .separatorBase = 0,
                    .separatorPoints = 18,
                    .tabIndex = 0});
    // Row B's box 0 stands a little lower than the rest of the row.
    addEntryRow(c, {.boxes = "Text3",
                    .first = 3,
                    .lefts = {5400, 4740, 4200},
                    .top = 2000,
                    .tops = {2060, 2000, 2000},
                    .separatorBase = 4,
                    .separatorPoints = 18,
                    .tabIndex = 3});
    // The comma of row A's key written without spaces, its brace without one.
    addAnswerKey(c, "lbl4", 0, rosterKey("{ ", " ، ", " }", {0, 1}, {{2, "،"}, {4, "}"}}), 3000, 1100,
                 numbers());
    addAnswerKey(c, "lbl4", 5, {{.caption = "{  "}, {.caption = "}"}}, 3000, 1900, numbers());
    for (int i = 0; i < 4; ++i)
        c.push_back({.kind = Kind::Button,
                     .name = "Cmd1",
                     .index = i,
                     .at = {i % 2 ? 3300 : 6000, i < 2 ? 1200 : 2000, 555, 495},
                     .caption = "(1)"});
    for (int i = 0; i < 3; ++i)
        c.push_back({.kind = Kind::Label,
                     .name = "Label2",
                     .index = i,
                     .at = {60, 3000 + 500 * i, 3000, 495},
                     .caption = "note",
                     .visible = false});
    c.push_back({.kind = Kind::Button, .name = "Command1", .at = {6000, 60, 615, 495}, .caption = "جديد"});
    c.push_back({.kind = Kind::Button, .name = "Command12", .at = {6000, 4800, 615, 495}, .caption = "خروج"});
    // The counters and the row score a scored drill keeps.
    for (int i = 0; i < 4; ++i)
        c.push_back({.kind = Kind::Label,
                     .name = "Label5",
                     .index = i,
                     .at = {60, 60 + 300 * i, 600, 255},
                     .caption = "0",
                     .visible = false});
    c.push_back({.kind = Kind::Label,
                 .name = "Label4",
                 .index = 0,
                 .at = {660, 60, 600, 255},
                 .caption = "0",
                 .visible = false});
    c.push_back({.kind = Kind::Image, .name = "Image8", .at = {0, 0, 480, 480}});
    c.push_back({.kind = Kind::Label,
                 .name = "Label30",
                 .at = {60, 4800, 3000, 495},
                 .caption = "x",
                 .visible = false});
    return c;
}

const ScreenLayout& drillLayout() {
    static const ScreenLayout l{.screen = {.name = "drill", .width = 7200, .height = 5400},
                                .controls = controls()};
    return l;
}

DrillData drillData(RepeatNoteCleared repeat) {
    return {.rows = {{.boxes = "Text3",
                      .first = 0,
                      .count = 3,
                      .separatorBase = 0,
                      .noteButton = 0,
                      .checkButton = 1,
                      .key = "lbl4",
                      .keyFirst = 0,
                      .keyLast = 4,
                      .keyElements = {{1, 0}, {3, 1}}},
                     {.boxes = "Text3",
                      .first = 3,
                      .count = 3,
                      .separatorBase = 4,
                      .noteButton = 2,
                      .checkButton = 3,
                      .key = "lbl4",
                      .keyFirst = 5,
                      .keyLast = 6,
                      .packKey = false}},
            .notes = {{.button = 0, .show = {1}, .hide = {2}}, {.button = 2, .show = {2}, .hide = {1}}},
            .repeatNote = repeat,
            .cornerIcon = "Image8"};
}

class Drill : public ListingDrill {
public:
    explicit Drill(const DrillData& d) : ListingDrill(drillLayout(), d, nullptr) {}
    // As a later screen's picture handler would: no box is current any more.
    void flatten() { FlattenAllBoxes(); }
};

} // namespace

class TestListingEngine : public QObject {
    Q_OBJECT

    DrillData data = drillData(RepeatNoteCleared::Never);
    std::unique_ptr<Drill> s;

    TextBox* box(int i) const { return s->get<TextBox>("Text3", i); }
    Label* label(const char* name, int i) const { return s->get<Label>(QString::fromLatin1(name), i); }
    CommandButton* cmd1(int i) const { return s->get<CommandButton>("Cmd1", i); }
    bool shown(const char* name, int i) const {
        return !s->control(QString::fromLatin1(name), i)->widget()->isHidden();
    }
    QString separators(int from, int to) const {
        QString out;
        for (int k = from; k <= to; ++k)
            out += label("lbl11", k)->caption();
        return out;
    }
    QString colours(int from, int to) const {
        QString out;
        for (int i = from; i <= to; ++i)
            out += box(i)->backColor() == QColor(Qt::red)     ? u'r'
                   : box(i)->backColor() == QColor(Qt::green) ? u'g'
                                                              : u'k';
        return out;
    }
    int current() const {
        for (int i = 0; i < 6; ++i)
            if (box(i)->appearance() == 1)
                return i;
        return -1;
    }
    void start(RepeatNoteCleared repeat) {
        data = drillData(repeat);
        s = std::make_unique<Drill>(data);
        s->show();
        s->runLoad();
    }

private slots:
    void init() { start(RepeatNoteCleared::Never); }
    void cleanup() { s.reset(); }

    void secondRowOfAnArrayHasItsOwnBraces() {
        QCOMPARE(current(), 0);
        box(4)->setText(QStringLiteral("7")); // row B, its box 1
        QCOMPARE(separators(4, 7), QStringLiteral("{،}،"));
        QCOMPARE(separators(0, 3), QStringLiteral("{،،،"));
        box(3)->setText(QStringLiteral("7"));
        QCOMPARE(separators(4, 7), QStringLiteral("{}}،"));
    }
    void writingRunsOnIntoTheNextRowOfTheArray() {
        click(box(1));
        click(label("lbl1", 0));
        QCOMPARE(current(), 2);
        click(label("lbl1", 1));
        QCOMPARE(box(2)->text(), QStringLiteral("2"));
        QCOMPARE(current(), 3); // the first box of row B
        click(label("lbl1", 2));
        click(label("lbl1", 3));
        click(label("lbl1", 0));
        click(label("lbl1", 1)); // the array's last box stays current
        QCOMPARE(box(5)->text(), QStringLiteral("2"));
        QCOMPARE(current(), 5);
        QCOMPARE(separators(4, 7), QStringLiteral("{،،}"));
    }
    void noCurrentBoxWritesNothing() {
        s->flatten();
        QCOMPARE(current(), -1);
        click(label("lbl1", 2));
        for (int i = 0; i < 6; ++i)
            QVERIFY(box(i)->text().isEmpty());
        click(box(4));
        QCOMPARE(current(), 4);
    }
    void emptySetRowAndUnscoredChecks() {
        click(cmd1(3));
        QCOMPARE(colours(3, 5), QStringLiteral("kkk"));
        QVERIFY(shown("lbl4", 5));
        QVERIFY(shown("lbl4", 6));
        QVERIFY(!shown("lbl4", 0));
        QVERIFY(!shown("Label2", 0));
        QVERIFY(cmd1(3)->isEnabled());
        // Checked again after a change: judged afresh.
        box(4)->setText(QStringLiteral("1"));
        click(cmd1(3));
        QCOMPARE(colours(3, 5), QStringLiteral("krk"));
        box(4)->setText(QString());
        click(cmd1(3));
        QCOMPARE(colours(3, 5), QStringLiteral("kkk"));
    }
    void unpackedKeyKeepsItsPlace() {
        QCOMPARE(label("lbl4", 5)->left(), 3000);
        QCOMPARE(label("lbl4", 6)->left(), 3000 - 210);
        QCOMPARE(label("lbl4", 5)->top(), 2000); // level with its note button
        QCOMPARE(label("lbl4", 1)->left(), 3000 - 180);
    }
    void notesByTable() {
        click(cmd1(0));
        QVERIFY(shown("Label2", 1));
        click(cmd1(2));
        QVERIFY(!shown("Label2", 1));
        QVERIFY(shown("Label2", 2));
        click(cmd1(1)); // a check button shows and hides no rule
        QVERIFY(shown("Label2", 2));
    }
    void repeatNoteKeptWhenTheTableSaysNever() {
        box(0)->setText(QStringLiteral("2"));
        box(1)->setText(QStringLiteral("2"));
        click(cmd1(1));
        QCOMPARE(colours(0, 2), QStringLiteral("ggk"));
        QVERIFY(shown("Label2", 0));
        click(cmd1(0));
        click(s->get<CommandButton>("Command1"));
        QVERIFY(shown("Label2", 0));
        QCOMPARE(label("lbl1", 0)->caption(), QStringLiteral("3"));
        QCOMPARE(colours(0, 2), QStringLiteral("kkk"));
        QVERIFY(box(0)->text().isEmpty());
    }
    void repeatNoteClearedByAnyRowButton() {
        start(RepeatNoteCleared::ByAnyRowButton);
        box(3)->setText(QStringLiteral("9"));
        box(0)->setText(QStringLiteral("1"));
        box(2)->setText(QStringLiteral("1"));
        click(cmd1(1));
        QVERIFY(shown("Label2", 0));
        click(cmd1(2));
        QVERIFY(!shown("Label2", 0));
    }
    void boxesOfARowAtTheirOwnTops() {
        QCOMPARE(box(3)->twips(), QRect(5400, 2060, 375, 495));
        QCOMPARE(box(4)->twips(), QRect(4740, 2000, 375, 495));
        QCOMPARE(box(5)->top(), 2000);
        // The separators stay on the row's line; each frame follows its box.
        for (int k = 4; k <= 7; ++k)
            QCOMPARE(label("lbl11", k)->top(), 2000);
        QCOMPARE(s->control("Text3Frame", 3)->twips(), QRect(5370, 2030, 435, 555));
        QCOMPARE(s->control("Text3Frame", 4)->twips(), QRect(4710, 1970, 435, 555));
        // A row without its own tops keeps every box on its line.
        for (int i = 0; i < 3; ++i)
            QCOMPARE(box(i)->top(), 1200);
    }
    void keySignsOfTheirOwn() {
        click(cmd1(1));
        QStringList key;
        for (int i = 0; i <= 4; ++i)
            key.append(label("lbl4", i)->caption());
        QCOMPARE(key, (QStringList{"{ ", "1", "،", "2", "}"}));
    }
    void keySignsReplaceOnlySigns_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("expected"); // captions, or "#n" for diagram number n
        QTest::newRow("a comma") << 4 << "،" << QStringList{"{ ", "#5", " ، ", "#6", "،", "#2", " }"};
        QTest::newRow("the close") << 6 << "}" << QStringList{"{ ", "#5", " ، ", "#6", " ، ", "#2", "}"};
        QTest::newRow("the open") << 0 << "{  " << QStringList{"{  ", "#5", " ، ", "#6", " ، ", "#2", " }"};
        QTest::newRow("an element stays")
            << 3 << "،" << QStringList{"{ ", "#5", " ، ", "#6", " ، ", "#2", " }"};
        QTest::newRow("past the end") << 7 << "}" << QStringList{"{ ", "#5", " ، ", "#6", " ، ", "#2", " }"};
    }
    void keySignsReplaceOnlySigns() {
        QFETCH(int, position);
        QFETCH(QString, caption);
        QFETCH(QStringList, expected);
        const QByteArray sign = caption.toUtf8();
        const std::vector<KeyPart> parts =
            rosterKey("{ ", " ، ", " }", {5, 6, 2}, {{position, sign.constData()}});
        QStringList got;
        for (const KeyPart& p : parts)
            got.append(p.number >= 0 ? QStringLiteral("#%1").arg(p.number) : QString::fromUtf8(p.caption));
        QCOMPARE(got, expected);
    }
    // A scored check button is disabled while it holds the focus; with no box
    // current, the focus must not pass on to a box (making it current) or to
    // "new problem".
    void scoredCheckWithNoCurrentBox() {
        data = drillData(RepeatNoteCleared::Never);
        data.rows[0].scoring = RowScoring{.weight = 1, .maximum = 2};
        data.rows[0].scoreLabel = {"Label4", 0};
        s = std::make_unique<Drill>(data);
        s->show();
        s->runLoad();
        s->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.get()));
        s->flatten();
        click(cmd1(1));
        QVERIFY(!cmd1(1)->isEnabled());
        QCOMPARE(current(), -1);
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus);
        QVERIFY(!qobject_cast<TextBox*>(focus));
        QVERIFY(focus != s->get<CommandButton>("Command1"));
        // The next Space or Enter does nothing at all.
        QTest::keyClick(focus, Qt::Key_Space);
        QTest::keyClick(focus, Qt::Key_Return);
        QVERIFY(!shown("Label2", 1));
        QVERIFY(!shown("Label2", 2));
        QCOMPARE(label("lbl1", 0)->caption(), QStringLiteral("1"));
        QCOMPARE(current(), -1);
        for (int i = 0; i < 6; ++i)
            QVERIFY(box(i)->text().isEmpty());
    }
    void cornerIconFromTheTable() {
        QWidget* icon = s->control("Image8")->widget();
        QTest::mouseDClick(icon, Qt::LeftButton, Qt::NoModifier, icon->rect().center());
        QVERIFY(shown("Label30", -1));
    }
};

SDTEST_MAIN(TestListingEngine)
#include "tst_listing_engine.moc"
