// The screen model: what every screen's controls promise the lessons, the tests
// and the screenshot tool (names, properties, signals, geometry, reading order).

#include "app/controls.h"
#include "app/fonts.h"
#include "app/screen.h"
#include "app/twips.h"
#include "support/testmain.h"

#include <QAccessible>
#include <QClipboard>
#include <QFontDatabase>
#include <QInputMethodEvent>
#include <QProcess>
#include <QSignalSpy>
#include <QTextLayout>
#include <QtTest>

using namespace sd;

namespace {

// A small screen that exercises every kind of control.
const ScreenLayout& sampleLayout() {
    static const ScreenLayout layout{
        .screen = {.name = "frmSample", .width = 6000, .height = 4500, .title = "sample"},
        .controls = {
            {.kind = Kind::Label, .name = "Label5", .index = 0, .at = {300, 300, 900, 300}, .caption = "3"},
            {.kind = Kind::Label,
             .name = "Label5",
             .index = 2,
             .at = {1200, 300, 900, 300},
             .caption = "9",
             .fore = 0xFFFF00,
             .back = 0x000000,
             .opaque = true,
             .tooltip = "اضغط على الرقم لتغيره"},
            {.kind = Kind::Label,
             .name = "lblAuto",
             .at = {3000, 300, 100, 100},
             .caption = "{",
             .font = FontSpec{"Arial", 15.75, true},
             .autoSize = true},
            {.kind = Kind::TextBox,
             .name = "Text1",
             .index = 0,
             .at = {300, 900, 450, 450},
             .caption = "",
             .fore = 0xFFFFFF,
             .back = 0x000000,
             .align = Align::Center,
             .appearance = 0,
             .maxLength = 1,
             .tabIndex = 1},
            // Stored after the box and over it: the box must still be on top.
            {.kind = Kind::Label, .name = "lblOver", .at = {300, 900, 450, 450}, .caption = "x"},
            {.kind = Kind::Label,
             .name = "lblDart",
             .at = {300, 1500, 450, 300},
             .caption = "5",
             .pointer = "pointer_dart"},
            {.kind = Kind::Label,
             .name = "lblLost",
             .at = {900, 1500, 450, 300},
             .caption = "6",
             .pointer = "no_such_icon"},
            {.kind = Kind::Button,
             .name = "Command1",
             .at = {3000, 900, 1200, 450},
             .caption = "&System Info...",
             .back = 0xC0C0FF,
             .tabIndex = 0},
            {.kind = Kind::Image,
             .name = "Image1",
             .index = 3,
             .at = {0, 0, 480, 480},
             .picture = "sun",
             .tooltip = "شمس"},
            {.kind = Kind::Shape,
             .name = "Shape7",
             .at = {60, 2400, 2000, 600},
             .back = 0x80FF80,
             .opaque = true,
             .shape = ShapeKind::RoundedRectangle,
             .borderColor = 0x80FFFF,
             .borderWidth = 5,
             .fill = Fill::UpwardDiagonal,
             .fillColor = 0x0000FF},
            {.kind = Kind::Line,
             .name = "Line1",
             .index = 1,
             .at = {90, 3300, 5654, 3300},
             .borderColor = 0x808080},
            {.kind = Kind::Frame,
             .name = "Frame1",
             .at = {3000, 1800, 2700, 2400},
             .caption = "اختر",
             .fore = 0xFFFFFF,
             .back = 0x400040},
            {.kind = Kind::Option,
             .name = "Option1",
             .at = {300, 300, 2000, 450},
             .back = 0x400040,
             .tabIndex = 2,
             .container = "Frame1"},
        }};
    return layout;
}

class SampleScreen : public Screen {
public:
    SampleScreen() : Screen(sampleLayout()) {}
    QList<QPoint> moves;
    // A handler connected to a whole control array, as a lesson does.
    void connectArray(const QString& name) {
        onArray<Label>(name, &Label::clicked, [](int) {});
    }

protected:
    void Form_MouseMove(Qt::MouseButtons, QPoint twipsPos) override { moves.append(twipsPos); }
};

// Keys on a small screen: an answer box, two pressable digits following it in
// the tab order, and a free-text box.
const ScreenLayout& keysLayout() {
    static const ScreenLayout layout = [] {
        ScreenLayout l{.screen = {.name = "frmKeys",
                                  .width = 6000,
                                  .height = 3000,
                                  .currentBox = {.by = CurrentBoxMark::By::Border}},
                       .controls = {}};
        l.controls.push_back({.kind = Kind::TextBox,
                              .name = "Text1",
                              .at = {4500, 300, 600, 450},
                              .caption = "",
                              .borderStyle = 0,
                              .maxLength = 2,
                              .tabIndex = 0});
        for (int d = 0; d < 2; ++d)
            l.controls.push_back({.kind = Kind::Label,
                                  .name = "lblDigit",
                                  .index = d,
                                  .at = {3000 - 600 * d, 300, 450, 450},
                                  .caption = "7"});
        l.controls.push_back({.kind = Kind::TextBox,
                              .name = "Text2",
                              .at = {300, 2100, 3000, 450},
                              .caption = "",
                              .borderStyle = 0,
                              .tabIndex = 1,
                              .westernDigits = false});
        markPressable(l.controls, "lblDigit", 0, "رقم");
        return l;
    }();
    return layout;
}

// Columns of the image that hold any ink (a pixel unlike the top-left one).
QPair<int, int> inkColumns(const QImage& img) {
    const QRgb bg = img.pixel(0, 0);
    int first = -1, last = -1;
    for (int x = 0; x < img.width(); ++x)
        for (int y = 0; y < img.height(); ++y)
            if (img.pixel(x, y) != bg) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
    return {first, last};
}

QImage renderLabel(const QString& caption, bool rtl, Align align) {
    Label label;
    ControlSpec stored{.kind = Kind::Label,
                       .name = "L",
                       .at = {0, 0, 1500, 450},
                       .caption = "",
                       .font = FontSpec{"Arial", 15.75, true},
                       .fore = 0x000000,
                       .back = 0xFFFFFF,
                       .align = align,
                       .opaque = true};
    label.configure(stored, rtl, FontSpec{});
    label.setCaption(caption);
    return label.grab().toImage();
}

} // namespace

class TestControls : public QObject {
    Q_OBJECT
private slots:

    void twipsBecomePixelsInOnePlace_data();
    void twipsBecomePixelsInOnePlace();
    void touchingControlsStillTouch();

    void arrayElementsAreNamedWithTheirIndex();
    void aMissingControlStopsNamingItAndTheScreen_data();
    void aMissingControlStopsNamingItAndTheScreen();
    void contractProperties_data();
    void contractProperties();

    void captionChangeIsSignalledOnlyOnARealChange();
    void entryBoxChangeIsSignalledOnlyOnARealChange();
    void entryBoxGotFocusIsThePupilsChoiceOnly_data();
    void entryBoxGotFocusIsThePupilsChoiceOnly();
    void imageBorderFramesThePicture();
    void autoSizedLabelFollowsItsCaption();
    void movingAControlKeepsItsSize();
    void blankRunsWidenToHoldWhatStandsOverThem_data();
    void blankRunsWidenToHoldWhatStandsOverThem();

    void readingDirection_data();
    void readingDirection();
    void loneBraceReadsRightToLeftAtTheRightEdge();
    void absoluteAlignment_data();
    void absoluteAlignment();

    void customPointerFallsBackToTheArrow();
    void accessibleNameIsCaptionElseTooltip();
    void clickAndDoubleClickSignals();
    void optionButtonIsChosenWhereverClicked();
    void entryBoxesAndButtonsStandAboveDrawnControls();
    void shapesLetTheMouseThrough();
    void tabOrderFollowsStoredTabIndex();
    void mouseMoveOverBackgroundRunsTheScreensHandler();

    void everyStoredFontMapsToInstalledArabicFont_data();
    void everyStoredFontMapsToInstalledArabicFont();
    void arabicJoinsAndReadsRightToLeft_data() { everyStoredFontMapsToInstalledArabicFont_data(); }
    void arabicJoinsAndReadsRightToLeft();

    void westernDigits_data();
    void westernDigits();
    void entryBoxTurnsDigitsAsTheyArrive_data();
    void entryBoxTurnsDigitsAsTheyArrive();
    void pressableLabel();
    void currentBoxWearsAFrameBesideIt();
};

void TestControls::westernDigits_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("eastern arabic") << QStringLiteral("٠١٢٣٤٥٦٧٨٩") << QStringLiteral("0123456789");
    QTest::newRow("persian") << QStringLiteral("۰۱۲۳۴۵۶۷۸۹") << QStringLiteral("0123456789");
    QTest::newRow("letters and decimal sign kept") << QStringLiteral("س٣٫۴a") << QStringLiteral("س3٫4a");
    QTest::newRow("other scripts' digits kept") << QStringLiteral("३") << QStringLiteral("३");
}

void TestControls::westernDigits() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(sd::westernDigits(text), expected);
}

void TestControls::entryBoxTurnsDigitsAsTheyArrive_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::newRow("typed") << "Text1"
                           << "keys"
                           << "" << QStringLiteral("۱٢") << "12";
    QTest::newRow("full box ignores") << "Text1"
                                      << "keys"
                                      << "45" << QStringLiteral("٣") << "45";
    QTest::newRow("input method") << "Text1"
                                  << "compose"
                                  << "" << QStringLiteral("٧") << "7";
    QTest::newRow("pasted, cut to length") << "Text1"
                                           << "paste"
                                           << "" << QStringLiteral("٨٩٠") << "89";
    QTest::newRow("free text keeps") << "Text2"
                                     << "keys"
                                     << "" << QStringLiteral("ص ٣") << QStringLiteral("ص ٣");
}

// Whichever way the text arrives, the box holds, and signals, only what the lesson reads.
void TestControls::entryBoxTurnsDigitsAsTheyArrive() {
    QFETCH(QString, box);
    QFETCH(QString, way);
    QFETCH(QString, before);
    QFETCH(QString, input);
    QFETCH(QString, expected);
    Screen s(keysLayout());
    auto* b = s.get<TextBox>(box);
    b->setText(before);
    QSignalSpy changes(b, &QLineEdit::textChanged);
    if (way == "keys") {
        for (const QChar ch : input)
            QTest::sendKeyEvent(QTest::Click, b, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    } else if (way == "compose") {
        QInputMethodEvent commit;
        commit.setCommitString(input);
        QCoreApplication::sendEvent(b, &commit);
    } else {
        QGuiApplication::clipboard()->setText(input);
        b->paste();
    }
    QCOMPARE(b->text(), expected);
    QCOMPARE(changes.isEmpty(), before == expected);
    if (!changes.isEmpty())
        QCOMPARE(changes.last().first().toString(), expected);
}

// Pressed with Space or Enter as with a click, ringed when focused, never focused
// by a click, and a button to a screen reader.
void TestControls::pressableLabel() {
    Screen s(keysLayout());
    s.show();
    QVERIFY(QTest::qWaitForWindowActive(&s));
    auto* box = s.get<TextBox>("Text1");
    auto* digit = s.get<Label>("lblDigit", 0);
    box->setFocus();
    const QImage unfocused = digit->grab().toImage();
    QTest::mouseClick(digit, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), box);
    digit->setFocus(Qt::TabFocusReason);
    // The focus is a ring just outside it: what the label shows stays as it was.
    QCOMPARE(digit->grab().toImage(), unfocused);
    const QPoint outside = digit->mapTo(s.canvas(), QPoint(-2, digit->height() / 2));
    QCOMPARE(s.canvas()->grab().toImage().pixelColor(outside), QColor(0xFF, 0xFF, 0x00));
    QSignalSpy clicks(digit, &Label::clicked);
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_A})
        QTest::keyClick(digit, key);
    QTest::keyClick(digit, Qt::Key_Space, Qt::ControlModifier);
    QCOMPARE(clicks.count(), 3);
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(digit);
    QCOMPARE(spoken->role(), QAccessible::Button);
    spoken->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicks.count(), 4);
    digit->setCaption(QString());
    QCOMPARE(digit->accessibleName(), QStringLiteral("رقم"));
}

// The frame round the current box marks it without touching what the lesson set.
void TestControls::currentBoxWearsAFrameBesideIt() {
    Screen s(keysLayout());
    s.show();
    auto* box = s.get<TextBox>("Text1");
    const auto frame = [&]() -> QRect {
        for (QWidget* w : s.canvas()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (!dynamic_cast<Control*>(w) && w->isVisible())
                return w->geometry();
        return {};
    };
    QVERIFY(frame().isNull());
    box->setBorderStyle(1);
    QVERIFY(frame().contains(box->geometry()) && frame() != box->geometry());
    QCOMPARE(box->borderStyle(), 1);
    QCOMPARE(box->backColor(), QColor(Qt::white));
    box->setLeft(300);
    QVERIFY(frame().contains(box->geometry()));
    box->hide();
    QVERIFY(frame().isNull());
    box->show();
    box->setBorderStyle(0);
    QVERIFY(frame().isNull());
}

void TestControls::twipsBecomePixelsInOnePlace_data() {
    QTest::addColumn<int>("tw");
    QTest::addColumn<int>("px");
    QTest::newRow("one pixel") << 15 << 1;
    QTest::newRow("menu width") << 6240 << 416;
    QTest::newRow("lesson width") << 11880 << 792;
    QTest::newRow("lesson height") << 8490 << 566;
    QTest::newRow("rounds half up") << 7 << 0;
    QTest::newRow("rounds to nearest") << 8 << 1;
}

void TestControls::twipsBecomePixelsInOnePlace() {
    QFETCH(int, tw);
    QFETCH(int, px);
    QCOMPARE(twips::Scale().toPx(tw), px);
}

void TestControls::touchingControlsStillTouch() {
    // Two answer labels whose twips touch must touch on screen too.
    const QRect a = twips::Scale().toPx(QRect(1000, 0, 217, 300));
    const QRect b = twips::Scale().toPx(QRect(1217, 0, 190, 300));
    QCOMPARE(a.x() + a.width(), b.x());
    QCOMPARE(twips::Scale().pointsToPx(12), 16);
    QCOMPARE(twips::Scale().pointsToPx(21.75), 29);
    QCOMPARE(twips::Scale().pointsToPx(11.25), 15);
}

void TestControls::arrayElementsAreNamedWithTheirIndex() {
    SampleScreen s;
    QCOMPARE(s.objectName(), QStringLiteral("frmSample"));
    QCOMPARE(s.indexes("Label5"), (QList<int>{0, 2}));
    QVERIFY(s.find("Label5", 1) == nullptr);
    QVERIFY(s.find("Label5") == nullptr);
    QCOMPARE(s.control("Label5", 2)->widget()->objectName(), QStringLiteral("Label5(2)"));
    QVERIFY(s.findChild<QWidget*>("Label5(2)") == s.control("Label5", 2)->widget());
    QVERIFY(s.findChild<QWidget*>("Text1(0)"));
    QVERIFY(s.findChild<QWidget*>("Command1"));
    QVERIFY(s.findChild<QWidget*>("Line1(1)"));
    // A control inside a frame is the frame's child, still found from the screen.
    QWidget* option = s.findChild<QWidget*>("Option1");
    QVERIFY(option);
    QCOMPARE(option->parentWidget()->objectName(), QStringLiteral("Frame1"));
}

void TestControls::contractProperties_data() {
    QTest::addColumn<QString>("object");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("expected");
    QTest::newRow("label caption") << "Label5(2)" << QByteArray("caption") << QVariant(QStringLiteral("9"));
    QTest::newRow("label back") << "Label5(2)" << QByteArray("backColor") << QVariant(QColor(0, 0, 0));
    QTest::newRow("label fore") << "Label5(2)" << QByteArray("foreColor") << QVariant(QColor(255, 255, 0));
    QTest::newRow("label twips") << "Label5(2)" << QByteArray("twips")
                                 << QVariant(QRect(1200, 300, 900, 300));
    QTest::newRow("label border") << "Label5(2)" << QByteArray("borderStyle") << QVariant(0);
    QTest::newRow("box text") << "Text1(0)" << QByteArray("text") << QVariant(QString());
    QTest::newRow("box back") << "Text1(0)" << QByteArray("backColor") << QVariant(QColor(0, 0, 0));
    QTest::newRow("box fore") << "Text1(0)" << QByteArray("foreColor") << QVariant(QColor(255, 255, 255));
    QTest::newRow("box flat") << "Text1(0)" << QByteArray("appearance") << QVariant(0);
    QTest::newRow("box border") << "Text1(0)" << QByteArray("borderStyle") << QVariant(1);
    QTest::newRow("button caption") << "Command1" << QByteArray("caption")
                                    << QVariant(QStringLiteral("&System Info..."));
    QTest::newRow("button back") << "Command1" << QByteArray("backColor")
                                 << QVariant(QColor(0xC0, 0xC0, 0xFF));
    QTest::newRow("button 3D") << "Command1" << QByteArray("appearance") << QVariant(1);
    QTest::newRow("button no picture") << "Command1" << QByteArray("picture") << QVariant(QString());
    QTest::newRow("image picture") << "Image1(3)" << QByteArray("picture") << QVariant(QStringLiteral("sun"));
    QTest::newRow("shape border") << "Shape7" << QByteArray("borderColor")
                                  << QVariant(QColor(0x80, 0xFF, 0xFF));
    QTest::newRow("shape back") << "Shape7" << QByteArray("backColor") << QVariant(QColor(0x80, 0xFF, 0x80));
    QTest::newRow("line colour") << "Line1(1)" << QByteArray("borderColor")
                                 << QVariant(QColor(0x80, 0x80, 0x80));
    QTest::newRow("line twips") << "Line1(1)" << QByteArray("twips") << QVariant(QRect(90, 3300, 5564, 0));
    QTest::newRow("frame caption") << "Frame1" << QByteArray("caption") << QVariant(QStringLiteral("اختر"));
    QTest::newRow("option value") << "Option1" << QByteArray("value") << QVariant(false);
    QTest::newRow("option twips") << "Option1" << QByteArray("twips") << QVariant(QRect(300, 300, 2000, 450));
}

void TestControls::contractProperties() {
    QFETCH(QString, object);
    QFETCH(QByteArray, property);
    QFETCH(QVariant, expected);
    SampleScreen s;
    QObject* o = s.findChild<QObject*>(object);
    QVERIFY2(o, qPrintable(object));
    const QVariant value = o->property(property.constData());
    QVERIFY2(value.isValid(), property.constData());
    QCOMPARE(value, expected);
}

void TestControls::captionChangeIsSignalledOnlyOnARealChange() {
    SampleScreen s;
    auto* label = s.get<Label>("Label5", 0);
    QSignalSpy spy(label, &Label::captionChanged);
    label->setCaption("3");
    QCOMPARE(spy.count(), 0);
    label->setCaption("4");
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("4"));
    QVERIFY(label->setProperty("caption", QStringLiteral("4")));
    QCOMPARE(spy.count(), 1);

    auto* button = s.get<CommandButton>("Command1");
    QSignalSpy buttonSpy(button, &CommandButton::captionChanged);
    button->setCaption(button->caption());
    button->setCaption("جديد");
    QCOMPARE(buttonSpy.count(), 1);
    QCOMPARE(button->text(), QStringLiteral("جديد"));
}

void TestControls::entryBoxChangeIsSignalledOnlyOnARealChange() {
    SampleScreen s;
    auto* box = s.get<TextBox>("Text1", 0);
    QSignalSpy spy(box, &QLineEdit::textChanged);
    box->setText("");
    QCOMPARE(spy.count(), 0);
    box->setText("7");
    box->setText("7");
    QCOMPARE(spy.count(), 1);
    box->clear();
    QCOMPARE(spy.count(), 2);
    // One character at most: further typing into a full box is ignored.
    box->setText("5");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClicks(box, "8");
    QCOMPARE(box->text(), QStringLiteral("5"));
}

void TestControls::autoSizedLabelFollowsItsCaption() {
    SampleScreen s;
    auto* label = s.get<Label>("lblAuto");
    const int braceWidth = label->twipsWidth();
    QVERIFY(braceWidth > 0);
    QCOMPARE(label->left(), 3000);
    label->setCaption("13");
    QVERIFY(label->twipsWidth() > braceWidth);
    // An emptied label takes no width, so a packed row closes up around it.
    label->setCaption("");
    QCOMPARE(label->twipsWidth(), 0);
    QCOMPARE(label->width(), 0);
    QCOMPARE(label->left(), 3000);
}

void TestControls::movingAControlKeepsItsSize() {
    SampleScreen s;
    auto* label = s.get<Label>("Label5", 2);
    label->setLeft(2400);
    label->setTop(1680);
    QCOMPARE(label->twips(), QRect(2400, 1680, 900, 300));
    QCOMPARE(label->geometry(), QRect(160, 112, 60, 20));
}

void TestControls::readingDirection_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("rightToLeft");
    QTest::newRow("lone opening brace") << "{" << true;
    QTest::newRow("set notation") << "{ 2 ، 5 ، 4 }" << true;
    QTest::newRow("digit") << "7" << true;
    QTest::newRow("empty") << "" << true;
    QTest::newRow("arabic") << "موافق" << true;
    QTest::newRow("arabic after a digit") << "1 خروج" << true;
    QTest::newRow("latin caption") << "&System Info..." << false;
}

void TestControls::readingDirection() {
    QFETCH(QString, text);
    QFETCH(bool, rightToLeft);
    QCOMPARE(sd::readingDirection(text, true) == Qt::RightToLeft, rightToLeft);
    QCOMPARE(sd::readingDirection(text, false), Qt::LeftToRight);
}

void TestControls::loneBraceReadsRightToLeftAtTheRightEdge() {
    // Arabic print shows the opening brace at the right end of a set mirrored,
    // so that it encloses the elements to its left: "{" drawn right to left is
    // the same picture as "}" drawn left to right.
    const QImage rtlOpen = renderLabel("{", true, Align::Right);
    const QImage ltrClose = renderLabel("}", false, Align::Right);
    const QImage ltrOpen = renderLabel("{", false, Align::Right);
    QCOMPARE(rtlOpen, ltrClose);
    QVERIFY(rtlOpen != ltrOpen);
    const auto [first, last] = inkColumns(rtlOpen);
    QVERIFY2(first > rtlOpen.width() / 2, "a right-aligned brace must stand at the right edge");
    QVERIFY(last >= rtlOpen.width() - 6);
}

void TestControls::absoluteAlignment_data() {
    QTest::addColumn<int>("align");
    QTest::addColumn<bool>("rtl");
    QTest::addColumn<bool>("inkOnRight");
    QTest::newRow("start on a right-to-left screen") << int(Align::Start) << true << true;
    QTest::newRow("start on a left-to-right screen") << int(Align::Start) << false << false;
    QTest::newRow("left stays left in right to left") << int(Align::Left) << true << false;
    QTest::newRow("right stays right in left to right") << int(Align::Right) << false << true;
}

void TestControls::absoluteAlignment() {
    QFETCH(int, align);
    QFETCH(bool, rtl);
    QFETCH(bool, inkOnRight);
    const QImage img = renderLabel("{ 2 ، 5 }", rtl, Align(align));
    const auto [first, last] = inkColumns(img);
    QVERIFY(first >= 0);
    if (inkOnRight)
        QVERIFY2(last >= img.width() - 6 && first > 10,
                 qPrintable(QString("ink %1..%2").arg(first).arg(last)));
    else
        QVERIFY2(first <= 5 && last < img.width() - 10,
                 qPrintable(QString("ink %1..%2").arg(first).arg(last)));
}

void TestControls::customPointerFallsBackToTheArrow() {
    SampleScreen s;
    const QCursor dart = s.get<Label>("lblDart")->cursor();
    QCOMPARE(dart.shape(), Qt::BitmapCursor);
    QVERIFY(!dart.pixmap().isNull());
    QCOMPARE(dart.hotSpot(), QPoint(1, 1));
    QCOMPARE(s.get<Label>("lblLost")->cursor().shape(), Qt::ArrowCursor);
}

void TestControls::accessibleNameIsCaptionElseTooltip() {
    SampleScreen s;
    QCOMPARE(s.get<CommandButton>("Command1")->accessibleName(), QStringLiteral("System Info..."));
    QCOMPARE(s.get<Image>("Image1", 3)->accessibleName(), QStringLiteral("شمس"));
    auto* label = s.get<Label>("Label5", 2);
    QCOMPARE(label->accessibleName(), QStringLiteral("9"));
    label->setCaption("");
    QCOMPARE(label->accessibleName(), QStringLiteral("اضغط على الرقم لتغيره"));
    label->setCaption("12");
    QCOMPARE(label->accessibleName(), QStringLiteral("12"));
}

void TestControls::clickAndDoubleClickSignals() {
    SampleScreen s;
    s.show();
    auto* label = s.get<Label>("Label5", 0);
    QSignalSpy clicks(label, &Label::clicked);
    QSignalSpy doubles(label, &Label::doubleClicked);
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    QTest::mouseClick(label, Qt::RightButton);
    QCOMPARE(clicks.count(), 1);
    // Pressed on the label, released elsewhere: no click.
    QTest::mousePress(label, Qt::LeftButton);
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(label->width() + 20, 2));
    QCOMPARE(clicks.count(), 1);
    QTest::mouseDClick(label, Qt::LeftButton);
    QCOMPARE(doubles.count(), 1);

    auto* image = s.get<Image>("Image1", 3);
    QSignalSpy imageDoubles(image, &Image::doubleClicked);
    QTest::mouseDClick(image, Qt::LeftButton);
    QCOMPARE(imageDoubles.count(), 1);

    auto* box = s.get<TextBox>("Text1", 0);
    QSignalSpy boxClicks(box, &TextBox::clicked);
    QTest::mouseClick(box, Qt::LeftButton);
    QCOMPARE(boxClicks.count(), 1);
}

void TestControls::entryBoxGotFocusIsThePupilsChoiceOnly_data() {
    QTest::addColumn<int>("reason");
    QTest::addColumn<bool>("signalled");
    QTest::newRow("tab") << int(Qt::TabFocusReason) << true;
    QTest::newRow("click") << int(Qt::MouseFocusReason) << true;
    QTest::newRow("program") << int(Qt::OtherFocusReason) << true;
    QTest::newRow("window comes back") << int(Qt::ActiveWindowFocusReason) << false;
    QTest::newRow("popup closes") << int(Qt::PopupFocusReason) << false;
}

void TestControls::entryBoxGotFocusIsThePupilsChoiceOnly() {
    QFETCH(int, reason);
    QFETCH(bool, signalled);
    SampleScreen s;
    auto* box = s.get<TextBox>("Text1", 0);
    QSignalSpy spy(box, &TextBox::gotFocus);
    QFocusEvent in(QEvent::FocusIn, Qt::FocusReason(reason));
    QCoreApplication::sendEvent(box, &in);
    QCOMPARE(spy.count(), signalled ? 1 : 0);
}

void TestControls::imageBorderFramesThePicture() {
    Image image;
    image.resize(40, 30);
    image.setBorderColor(QColor(0x80, 0x80, 0x80));
    const QImage plain = image.grab().toImage();
    QVERIFY(plain.pixelColor(0, 0) != QColor(0x80, 0x80, 0x80)); // no border by default
    image.setBorderStyle(1);
    QCOMPARE(image.property("borderStyle").toInt(), 1);
    const QImage framed = image.grab().toImage();
    for (const QPoint p : {QPoint(0, 0), QPoint(39, 15), QPoint(20, 29)})
        QCOMPARE(framed.pixelColor(p), QColor(0x80, 0x80, 0x80));
    QCOMPARE(framed.pixelColor(20, 15), plain.pixelColor(20, 15)); // the inside is left alone
}

void TestControls::optionButtonIsChosenWhereverClicked() {
    SampleScreen s;
    s.show();
    auto* option = s.get<OptionButton>("Option1");
    QSignalSpy spy(option, &OptionButton::valueChanged);
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(option->width() / 2 - 30, option->height() - 3));
    QVERIFY(option->value());
    QCOMPARE(spy.count(), 1);
    QCOMPARE(option->property("value").toBool(), true);
}

void TestControls::entryBoxesAndButtonsStandAboveDrawnControls() {
    SampleScreen s;
    s.show();
    QWidget* box = s.get<TextBox>("Text1", 0);
    QWidget* atPoint = s.canvas()->childAt(box->geometry().center());
    QVERIFY(atPoint);
    QCOMPARE(atPoint->objectName(), QStringLiteral("Text1(0)"));
}

void TestControls::shapesLetTheMouseThrough() {
    SampleScreen s;
    s.show();
    QWidget* shape = s.get<Shape>("Shape7");
    QVERIFY(shape->testAttribute(Qt::WA_TransparentForMouseEvents));
    QVERIFY(s.canvas()->childAt(shape->geometry().center()) == nullptr);
}

void TestControls::tabOrderFollowsStoredTabIndex() {
    SampleScreen s;
    s.show();
    QVERIFY(QTest::qWaitForWindowActive(&s));
    QWidget* button = s.get<CommandButton>("Command1");
    button->setFocus();
    QStringList visited;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited, (QStringList{"Text1(0)", "Option1", "Command1"}));
}

void TestControls::mouseMoveOverBackgroundRunsTheScreensHandler() {
    SampleScreen s;
    s.show();
    const QPointF at = s.canvas()->mapTo(&s, QPointF(200, 250)); // below the menu bar
    QMouseEvent move(QEvent::MouseMove, at, s.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&s, &move);
    QCOMPARE(s.moves.size(), 1);
    QCOMPARE(s.moves.first(), QPoint(3000, 3750));
    // Zoomed, the pixel half as far again is the same place.
    Screen::setProgramZoom(1.5);
    const QPointF zoomed = s.canvas()->mapTo(&s, QPointF(300, 375));
    QMouseEvent moveZoomed(QEvent::MouseMove, zoomed, s.mapToGlobal(zoomed), Qt::NoButton, Qt::NoButton,
                           Qt::NoModifier);
    QCoreApplication::sendEvent(&s, &moveZoomed);
    Screen::setProgramZoom(1.0);
    QCOMPARE(s.moves.last(), QPoint(3000, 3750));
    s.moves.clear();
    // Over a label the label takes the move; the screen's handler does not run.
    auto* label = s.get<Label>("Label5", 0);
    QTest::mouseMove(label, QPoint(3, 3));
    QMouseEvent overLabel(QEvent::MouseMove, QPointF(3, 3), label->mapToGlobal(QPointF(3, 3)), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(label, &overLabel);
    QCOMPARE(s.moves.size(), 0);
}

void TestControls::everyStoredFontMapsToInstalledArabicFont_data() {
    QTest::addColumn<QString>("stored");
    for (const char* name :
         {"Arial", "Traditional Arabic", "Arabic Transparent", "MS Sans Serif", "Times New Roman"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestControls::everyStoredFontMapsToInstalledArabicFont() {
    QFETCH(QString, stored);
    const QStringList arabic = QFontDatabase::families(QFontDatabase::Arabic);
    QStringList mapped = fonts::familiesFor(stored);
#ifdef Q_OS_WIN
    // The system's own face comes first; the free ones behind it must be there
    // where it is missing (tst_windows checks they are the carried ones).
    QVERIFY(!mapped.isEmpty());
    mapped.removeFirst();
#endif
    QVERIFY(!mapped.contains(stored, Qt::CaseInsensitive));
    bool found = false;
    for (const QString& family : mapped)
        found = found || arabic.contains(family);
    QVERIFY2(found, qPrintable(stored + " has no installed Arabic font among " + mapped.join(", ")));
    // Digits come from the first family, which must be installed too.
    QVERIFY2(QFontDatabase::families().contains(mapped.first()), qPrintable(mapped.first()));
}

// Three behs in a row are shaped into their initial, medial and final forms
// (three different glyphs, not one isolated letter thrice), and the text
// starts at the right.
void TestControls::arabicJoinsAndReadsRightToLeft() {
    QFETCH(QString, stored);
    QTextLayout layout(QStringLiteral("ببب"), fonts::make(stored, 14, true));
    QTextOption option;
    option.setTextDirection(Qt::RightToLeft);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    QCOMPARE(runs.size(), 1);
    const QList<quint32> glyphs = runs.first().glyphIndexes();
    QCOMPARE(glyphs.size(), 3);
    QVERIFY2(glyphs[0] != glyphs[1] && glyphs[1] != glyphs[2] && glyphs[0] != glyphs[2],
             qPrintable(runs.first().rawFont().familyName()));
    QVERIFY(runs.first().isRightToLeft());
    QVERIFY(line.cursorToX(0) > line.cursorToX(3));
}

void TestControls::blankRunsWidenToHoldWhatStandsOverThem_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QList<double>>("needed");
    QTest::addColumn<int>("runs");
    QTest::newRow("runs wide enough already") << "من     إلي    " << QList<double>{10} << 2;
    QTest::newRow("the first run widens") << "من  إلي  " << QList<double>{40} << 2;
    QTest::newRow("both runs widen") << "بين  و  ." << QList<double>{30, 45} << 2;
    QTest::newRow("a single blank is no run") << "أرقام العدد  " << QList<double>{0} << 1;
    QTest::newRow("more than the most asked") << "من  إلي" << QList<double>{400} << 1;
}

// The runs widen only as far as what stands over them needs, the words never
// reach into a run, and the places the label reports are where it draws.
void TestControls::blankRunsWidenToHoldWhatStandsOverThem() {
    QFETCH(QString, caption);
    QFETCH(QList<double>, needed);
    QFETCH(int, runs);
    constexpr int kMost = 12;
    Label label;
    label.configure({.kind = Kind::Label,
                     .name = "L",
                     .at = {0, 0, 4500, 420},
                     .caption = "",
                     .font = FontSpec{"Arial", 10.5, true},
                     .fore = 0x000000,
                     .back = 0xFFFFFF,
                     .opaque = true,
                     .wordWrap = false},
                    true, FontSpec{});
    label.setCaption(caption);
    QCOMPARE(label.blankRuns().size(), runs);
    label.widenBlankRuns(needed, kMost);
    const auto width = [&](int n) {
        return label.captionX(label.blankRuns()[n].first) - label.captionX(label.blankRuns()[n].second);
    };
    bool allFit = true;
    for (int n = 0; n < needed.size() && n < runs; ++n)
        allFit = allFit && width(n) >= needed[n];
    // Fits, or has reached the most it may widen; and one pixel less would not fit.
    QVERIFY(allFit || label.blankRunSpacing() == kMost);
    if (label.blankRunSpacing() > 0) {
        const int spacing = label.blankRunSpacing();
        label.setBlankRunSpacing(spacing - 1);
        bool fitBefore = true;
        for (int n = 0; n < needed.size() && n < runs; ++n)
            fitBefore = fitBefore && width(n) >= needed[n];
        QVERIFY(!fitBefore);
        label.setBlankRunSpacing(spacing);
    }
    // Nothing is drawn between the edges of a run.
    const QImage shot = label.grab().toImage();
    for (int n = 0; n < runs; ++n) {
        const int right = int(std::floor(label.captionX(label.blankRuns()[n].first)));
        const int left = int(std::ceil(label.captionX(label.blankRuns()[n].second)));
        QVERIFY(right - left > 2);
        QCOMPARE(inkColumns(shot.copy(left + 1, 0, right - left - 2, shot.height())),
                 (QPair<int, int>{-1, -1}));
    }
}

// Each lookup runs in a child copy of this test, which must stop with a message
// naming the control and the screen.
void TestControls::aMissingControlStopsNamingItAndTheScreen_data() {
    QTest::addColumn<QString>("lookup");
    QTest::addColumn<QString>("message");
    QTest::newRow("no such name") << "control Label9"
                                  << "Screen frmSample has no control named Label9";
    QTest::newRow("no such element") << "label Label5 1"
                                     << "Screen frmSample has no sd::Label named Label5(1)";
    QTest::newRow("another kind") << "label Text1 0"
                                  << "Screen frmSample has no sd::Label named Text1(0)";
    QTest::newRow("no such array") << "array Label9"
                                   << "Screen frmSample has no sd::Label named Label9(0)";
    QTest::newRow("no such menu item") << "menu about"
                                       << "Screen frmSample has no menu item named about";
}

void TestControls::aMissingControlStopsNamingItAndTheScreen() {
    QFETCH(QString, lookup);
    QFETCH(QString, message);
    if (qEnvironmentVariableIsSet("SETSDRILL_LOOKUP")) {
        const QStringList ask = qEnvironmentVariable("SETSDRILL_LOOKUP").split(u' ');
        SampleScreen s;
        if (ask[0] == u"control")
            s.control(ask[1]);
        else if (ask[0] == u"label")
            s.get<Label>(ask[1], ask[2].toInt());
        else if (ask[0] == u"array")
            s.connectArray(ask[1]);
        else
            s.menuItem(ask[1]);
        return; // not reached when the lookup stops
    }
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SETSDRILL_LOOKUP"), lookup);
    // On Windows a process without a console would log to the debugger only.
    env.insert(QStringLiteral("QT_FORCE_STDERR_LOGGING"), QStringLiteral("1"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("-nocrashhandler"),
                 QStringLiteral("%1:%2").arg(QTest::currentTestFunction(), QTest::currentDataTag())});
    QVERIFY(child.waitForFinished(60000));
    const QString said = QString::fromLocal8Bit(child.readAll());
    QVERIFY2(child.exitStatus() == QProcess::CrashExit || child.exitCode() != 0, qPrintable(said));
    QVERIFY2(said.contains(message), qPrintable(said));
}

SDTEST_MAIN(TestControls)
#include "tst_controls.moc"
