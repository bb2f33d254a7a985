// The main menu as a pupil meets it: its buttons, texts and colours, the order
// the keyboard walks them, and what each one opens.

#include "app/frmgroub0.h"
#include "app/navigator.h"
#include "program/screens.h"
#include "support/screentest.h"

#include <QMenuBar>
#include <QtTest>

using namespace sd;

class TestMenu : public QObject {
    Q_OBJECT

    std::unique_ptr<sdtest::Program> program;
    Navigator* nav = nullptr;
    Screen* menu = nullptr;

private slots:
    void init() {
        program = std::make_unique<sdtest::Program>();
        nav = program->nav.get();
        menu = nav->show("frmgroub0");
        QVERIFY(menu);
    }
    void cleanup() { program.reset(); }

    void window();
    void buttons_data();
    void buttons();
    void lessonButtonsAreStoredHiddenAndShownByTheLoad();
    void textsAndDecoration();
    void keyboardWalksTheButtonsInOrder();
    void everyLessonButtonOpensItsLesson_data();
    void everyLessonButtonOpensItsLesson();
    void theProgramHoldsExactlyItsScreens();
    void menuItemOpensTheAboutBoxOnce();
    void f1OpensTheAboutBox();
    void exitButtonEndsTheProgram();
};

void TestMenu::window() {
    QCOMPARE(menu->objectName(), QStringLiteral("frmgroub0"));
    QCOMPARE(menu->canvas()->size(), QSize(416, 514));
    QCOMPARE(menu->layoutDirection(), Qt::RightToLeft);
    QVERIFY(!(menu->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(menu->windowFlags() & Qt::WindowMaximizeButtonHint));
    // A fixed border: the window cannot be resized.
    QCOMPARE(menu->minimumSize(), menu->maximumSize());
    QVERIFY(!menu->windowTitle().isEmpty());
    QVERIFY(!menu->windowIcon().isNull());
    QCOMPARE(menu->screenSpec().picture, "menu_background");
    MenuItem* about = menu->menuItem("aboutgroups");
    QVERIFY(about);
    QCOMPARE(about->property("caption").toString(), QStringLiteral("حول البرنامج"));
    QVERIFY(menu->findChild<QMenuBar*>()->actions().contains(about));
}

void TestMenu::buttons_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QColor>("back");
    const QColor lesson(0xC0, 0xC0, 0xFF);
    QTest::newRow("Command4") << "Command4"
                              << "التعبير عن المجموعة  (تمارين)" << QRect(1800, 720, 2595, 650) << lesson;
    QTest::newRow("Command1") << "Command1"
                              << "الانتماء والاحتواء  (تمارين )" << QRect(1800, 1380, 2595, 650) << lesson;
    QTest::newRow("Command2") << "Command2"
                              << "التقاطع   والاتحاد  (تمارين1 )" << QRect(1800, 2040, 2595, 650) << lesson;
    QTest::newRow("Command3") << "Command3"
                              << "التقاطع   والاتحاد  (تمارين2 )" << QRect(1800, 2700, 2595, 650) << lesson;
    QTest::newRow("Command7") << "Command7"
                              << "الفرق بين مجموعتين (تمارين)" << QRect(1800, 3360, 2595, 650) << lesson;
    QTest::newRow("Command6") << "Command6"
                              << "ارسم شكل فن (تمارين)" << QRect(1800, 4020, 2595, 650) << lesson;
    QTest::newRow("Command5") << "Command5"
                              << "أدوات شرح المجموعات" << QRect(1800, 4680, 2595, 650) << lesson;
    QTest::newRow("Command12") << "Command12"
                               << "خروج" << QRect(1800, 5400, 2535, 615) << QColor(0xC0, 0xFF, 0xFF);
}

void TestMenu::buttons() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, twips);
    QFETCH(QColor, back);
    QWidget* b = menu->findChild<QWidget*>(name);
    QVERIFY(b);
    QCOMPARE(b->property("caption").toString(), caption);
    QCOMPARE(b->property("twips").toRect(), twips);
    QCOMPARE(b->property("backColor").value<QColor>(), back);
    QVERIFY(!b->isHidden());
    QVERIFY(b->isEnabled());
    QCOMPARE(b->geometry(), QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
}

void TestMenu::lessonButtonsAreStoredHiddenAndShownByTheLoad() {
    QStringList storedHidden;
    for (const ControlSpec& c : frmgroub0Layout().controls)
        if (c.kind == Kind::Button && !c.visible)
            storedHidden.append(QString::fromLatin1(c.name));
    storedHidden.sort();
    QCOMPARE(storedHidden,
             (QStringList{"Command1", "Command2", "Command3", "Command4", "Command6", "Command7"}));
    for (const QString& name : storedHidden)
        QVERIFY2(!menu->control(name)->widget()->isHidden(), qPrintable(name));
}

void TestMenu::textsAndDecoration() {
    auto* heading = menu->get<Label>("Label30");
    QCOMPARE(heading->twips(), QRect(840, 120, 4275, 555));
    QCOMPARE(heading->foreColor(), QColor(Qt::white));
    QVERIFY(!heading->caption().isEmpty());
    QVERIFY(heading->drawAlignment() & Qt::AlignRight);
    QVERIFY(heading->font().bold());
    QCOMPARE(heading->font().pixelSize(), 29);

    auto* credit = menu->get<Label>("Label1");
    QCOMPARE(credit->twips(), QRect(1020, 6240, 4035, 435));
    QCOMPARE(credit->foreColor(), QColor(Qt::white));
    auto* contact = menu->get<Label>("Label2");
    QCOMPARE(contact->twips(), QRect(1560, 6660, 2895, 735));
    QCOMPARE(contact->foreColor(), QColor(Qt::yellow));

    auto* frame = menu->get<Shape>("Shape7");
    QCOMPARE(frame->shapeKind(), ShapeKind::RoundedRectangle);
    QCOMPARE(frame->borderColor(), QColor(0x80, 0xFF, 0xFF));
    QCOMPARE(frame->backColor(), QColor(0x80, 0xFF, 0x80));
    QCOMPARE(frame->borderWidth(), 5);
    QVERIFY(frame->isOpaque());

    auto* sun = menu->get<Image>("Image1", 22);
    QCOMPARE(sun->picture(), QStringLiteral("sun"));
    QCOMPARE(sun->twips(), QRect(0, 0, 480, 480));
}

void TestMenu::keyboardWalksTheButtonsInOrder() {
    QVERIFY(QTest::qWaitForWindowActive(menu));
    menu->get<CommandButton>("Command5")->setFocus();
    QStringList visited;
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited, (QStringList{"Command1", "Command2", "Command3", "Command4", "Command6", "Command7",
                                   "Command12", "Command5"}));
}

void TestMenu::everyLessonButtonOpensItsLesson_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("screen");
    QTest::newRow("expressing") << "Command4"
                                << "frmgrop3";
    QTest::newRow("membership") << "Command1"
                                << "frmgroub4";
    QTest::newRow("union 1") << "Command2"
                             << "frmGroups";
    QTest::newRow("union 2") << "Command3"
                             << "frmgrop2";
    QTest::newRow("difference") << "Command7"
                                << "frmgroub5";
    QTest::newRow("venn") << "Command6"
                          << "frmvan";
    QTest::newRow("board") << "Command5"
                           << "frmmagmoaat1";
}

void TestMenu::everyLessonButtonOpensItsLesson() {
    QFETCH(QString, button);
    QFETCH(QString, screen);
    QTest::mouseClick(menu->get<CommandButton>(button), Qt::LeftButton);
    QVERIFY2(nav->isRegistered(screen), qPrintable(screen + QStringLiteral(" is not in the program")));
    Screen* lesson = nav->find(screen);
    QVERIFY(lesson);
    QVERIFY(lesson->isVisible());
    QCOMPARE(nav->loaded().size(), 2);
}

// No screen lost, none the menu cannot reach.
void TestMenu::theProgramHoldsExactlyItsScreens() {
    QStringList expected{"frmgroub0", "frmAboutgroup", "frmgrop3", "frmgroub4",   "frmGroups",
                         "frmgrop2",  "frmgroub5",     "frmvan",   "frmmagmoaat1"};
    QStringList registered = nav->registeredScreens();
    expected.sort();
    registered.sort();
    QCOMPARE(registered, expected);
}

void TestMenu::menuItemOpensTheAboutBoxOnce() {
    menu->menuItem("aboutgroups")->trigger();
    Screen* about = nav->find("frmAboutgroup");
    QVERIFY(about);
    QVERIFY(about->isVisible());
    menu->menuItem("aboutgroups")->trigger();
    QCOMPARE(nav->loaded().size(), 2);
    QCOMPARE(nav->find("frmAboutgroup"), about);
    // Shown modeless: the menu stays usable.
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void TestMenu::f1OpensTheAboutBox() {
    QVERIFY(QTest::qWaitForWindowActive(menu));
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : menu, Qt::Key_F1);
    QVERIFY(nav->find("frmAboutgroup"));
}

void TestMenu::exitButtonEndsTheProgram() {
    menu->menuItem("aboutgroups")->trigger();
    QTest::mouseClick(menu->get<CommandButton>("Command12"), Qt::LeftButton);
    QCOMPARE(program->quits, 1);
    QVERIFY(nav->loaded().isEmpty());
}

SDTEST_MAIN(TestMenu)
#include "tst_frmgroub0.moc"
