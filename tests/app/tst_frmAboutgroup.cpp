// The About box: its texts, closing it from the keyboard, and finding the
// system-information tool through a fake registry and a fake process starter.

#include "app/credits.h"
#include "app/frmAboutgroup.h"
#include "app/navigator.h"
#include "program/screens.h"
#include "support/screentest.h"

#include <QMessageBox>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

using namespace sd;

namespace {

struct FakeWorld {
    QMap<QString, QString> registry; // "key|value" -> text
    QStringList files;
    bool launchWorks = true;
    QStringList reads;
    QStringList started;
};

class FakePort : public SysInfoPort {
public:
    explicit FakePort(FakeWorld* world) : world_(world) {}
    bool GetKeyValue(RegistryRoot, const QString& key, const QString& valueName, QString& value) override {
        const QString id = key + "|" + valueName;
        world_->reads.append(id);
        value = world_->registry.value(id);
        return world_->registry.contains(id);
    }
    bool fileExists(const QString& path) override { return world_->files.contains(path); }
    bool startProcess(const QString& program) override {
        if (!world_->launchWorks)
            return false;
        world_->started.append(program);
        return true;
    }

private:
    FakeWorld* world_;
};

const QString kPathId = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO|PATH");
const QString kFolderId = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location|MSINFO");

} // namespace

class TestAbout : public QObject {
    Q_OBJECT

    std::unique_ptr<sdtest::Program> program;
    Navigator* nav = nullptr;
    FakeWorld world;
    Screen* about = nullptr;

private slots:
    void init() {
        world = FakeWorld{};
        program = std::make_unique<sdtest::Program>(
            Services{.makeSysInfoPort = [this] { return std::make_unique<FakePort>(&world); }});
        nav = program->nav.get();
        nav->show("frmgroub0");
        about = nav->show("frmAboutgroup");
        QVERIFY(about);
    }
    void cleanup() { program.reset(); }

    void loadSetsTitleAndVersion();
    void layout_data();
    void layout();
    void keyboardClosesIt_data();
    void keyboardClosesIt();
    void okButtonClosesOnlyTheAboutBox();
    void systemInformation_data();
    void systemInformation();
    void registryValueText_data();
    void registryValueText();
#ifndef Q_OS_WIN
    void withoutRegistryTheToolIsFoundOnThePath();
#endif
};

void TestAbout::loadSetsTitleAndVersion() {
    QCOMPARE(about->windowTitle(), QStringLiteral("حول البرنامج "));
    QCOMPARE(about->get<Label>("lblVersion")->caption(), QStringLiteral("الاصدار رقم 1.0.0"));
    QCOMPARE(about->get<Label>("lblTitle")->caption(), QString::fromUtf8(kProgramName));
    QVERIFY(!about->get<Label>("lblDescription")->caption().isEmpty());
    QCOMPARE(about->canvas()->size(), QSize(382, 237));
    QVERIFY(about->windowFlags() & Qt::Dialog);
    // Kept out of the task bar: it belongs to the menu's window.
    QVERIFY(about->windowHandle());
    QCOMPARE(about->windowHandle()->transientParent(), nav->find("frmgroub0")->windowHandle());
    QVERIFY(!(about->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
}

void TestAbout::layout_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("expected");
    const QVariant olive = QColor(0x80, 0x80, 0x00);
    QTest::newRow("ok caption") << "cmdOK" << QByteArray("caption") << QVariant(QStringLiteral("موافق"));
    QTest::newRow("ok place") << "cmdOK" << QByteArray("twips") << QVariant(QRect(4245, 2625, 1260, 345));
    QTest::newRow("ok colour") << "cmdOK" << QByteArray("backColor") << olive;
    QTest::newRow("sysinfo caption") << "cmdSysInfo" << QByteArray("caption")
                                     << QVariant(QStringLiteral("&System Info..."));
    QTest::newRow("sysinfo place") << "cmdSysInfo" << QByteArray("twips")
                                   << QVariant(QRect(4260, 3075, 1245, 345));
    QTest::newRow("sysinfo colour") << "cmdSysInfo" << QByteArray("backColor") << olive;
    QTest::newRow("icon") << "picIcon" << QByteArray("picture") << QVariant(QStringLiteral("red_book"));
    QTest::newRow("title colour") << "lblTitle" << QByteArray("foreColor") << QVariant(QColor(0x40, 0, 0));
    QTest::newRow("version colour") << "lblVersion" << QByteArray("foreColor")
                                    << QVariant(QColor(0x40, 0, 0));
    QTest::newRow("disclaimer colour")
        << "lblDisclaimer" << QByteArray("foreColor") << QVariant(QColor(0, 0, 0x80));
    QTest::newRow("grey etch") << "Line1(1)" << QByteArray("borderColor")
                               << QVariant(QColor(0x80, 0x80, 0x80));
    QTest::newRow("grey etch place") << "Line1(1)" << QByteArray("twips")
                                     << QVariant(QRect(90, 2445, 5564, 0));
    QTest::newRow("white etch") << "Line1(0)" << QByteArray("borderColor") << QVariant(QColor(Qt::white));
    QTest::newRow("white etch place")
        << "Line1(0)" << QByteArray("twips") << QVariant(QRect(105, 2460, 5549, 0));
}

void TestAbout::layout() {
    QFETCH(QString, name);
    QFETCH(QByteArray, property);
    QFETCH(QVariant, expected);
    QObject* o = about->findChild<QObject*>(name);
    QVERIFY2(o, qPrintable(name));
    QCOMPARE(o->property(property.constData()), expected);
}

void TestAbout::keyboardClosesIt_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Escape") << int(Qt::Key_Escape);
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
}

void TestAbout::keyboardClosesIt() {
    QFETCH(int, key);
    QVERIFY(QTest::qWaitForWindowActive(about));
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : about;
    QTest::keyClick(target, Qt::Key(key));
    QVERIFY(nav->find("frmAboutgroup") == nullptr);
    QVERIFY(!about->isVisible());
    QVERIFY(world.started.isEmpty());
}

void TestAbout::okButtonClosesOnlyTheAboutBox() {
    QTest::mouseClick(about->get<CommandButton>("cmdOK"), Qt::LeftButton);
    QVERIFY(nav->find("frmAboutgroup") == nullptr);
    QVERIFY(nav->find("frmgroub0"));
}

void TestAbout::systemInformation_data() {
    QTest::addColumn<QString>("pathValue");   // "-" for none
    QTest::addColumn<QString>("folderValue"); // "-" for none
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("launchWorks");
    QTest::addColumn<QString>("started"); // "" for nothing started
    QTest::addColumn<bool>("message");

    QTest::newRow("both values missing") << "-"
                                         << "-" << QStringList{} << true << "" << true;
    QTest::newRow("folder without the file")
        << "-"
        << "C:\\Program Files\\Tools" << QStringList{} << true << "" << true;
    QTest::newRow("folder with the file") << "-"
                                          << "C:\\Tools" << QStringList{"C:\\Tools\\MSINFO32.EXE"} << true
                                          << "C:\\Tools\\MSINFO32.EXE" << false;
    QTest::newRow("PATH value present") << "C:\\Windows\\msinfo32.exe"
                                        << "C:\\Tools" << QStringList{"C:\\Tools\\MSINFO32.EXE"} << true
                                        << "C:\\Windows\\msinfo32.exe" << false;
    QTest::newRow("launch fails") << "C:\\Windows\\msinfo32.exe"
                                  << "-" << QStringList{} << false << "" << true;
    QTest::newRow("PATH value empty") << ""
                                      << "-" << QStringList{} << true << "" << true;
}

void TestAbout::systemInformation() {
    QFETCH(QString, pathValue);
    QFETCH(QString, folderValue);
    QFETCH(QStringList, files);
    QFETCH(bool, launchWorks);
    QFETCH(QString, started);
    QFETCH(bool, message);
    if (pathValue != "-")
        world.registry.insert(kPathId, pathValue);
    if (folderValue != "-")
        world.registry.insert(kFolderId, folderValue);
    world.files = files;
    world.launchWorks = launchWorks;

    sdtest::MessageWatcher watcher(this);
    QTest::mouseClick(about->get<CommandButton>("cmdSysInfo"), Qt::LeftButton);

    QCOMPARE(world.started, started.isEmpty() ? QStringList{} : QStringList{started});
    if (message) {
        QCOMPARE(watcher.texts, QStringList{"System Information Is Unavailable At This Time"});
        QCOMPARE(watcher.titles, QStringList{QString::fromUtf8(kProgramName)});
    } else {
        QVERIFY(watcher.texts.isEmpty());
    }
    // The PATH value is read first; the folder only when it is missing.
    QCOMPARE(world.reads.first(), kPathId);
    QCOMPARE(world.reads.contains(kFolderId), !world.registry.contains(kPathId));
    // Whatever happened, the About box is still open and usable.
    QVERIFY(nav->find("frmAboutgroup"));
    QVERIFY(about->isVisible());
}

void TestAbout::registryValueText_data() {
    QTest::addColumn<uint>("type");
    QTest::addColumn<QByteArray>("buffer");
    QTest::addColumn<uint>("size");
    QTest::addColumn<QString>("expected");
    QByteArray path("C:\\WINDOWS\\msinfo32.exe");
    QByteArray withZero = path + '\0';
    QTest::newRow("string with its zero")
        << 1u << withZero.leftJustified(1024, '\0') << uint(withZero.size()) << QString::fromLatin1(path);
    QTest::newRow("string without its zero")
        << 1u << path.leftJustified(1024, '\0') << uint(path.size()) << QString::fromLatin1(path);
    QTest::newRow("empty string") << 1u << QByteArray(1024, '\0') << 0u << "";
    QTest::newRow("number 5") << 4u << QByteArray("\x05\x00\x00\x00", 4).leftJustified(1024, '\0') << 4u
                              << "5";
    // A zero byte inside the number is one of its digits.
    QTest::newRow("number 513") << 4u << QByteArray("\x01\x02\x00\x00", 4).leftJustified(1024, '\0') << 4u
                                << "513";
    QTest::newRow("number 65536") << 4u << QByteArray("\x00\x00\x01\x00", 4).leftJustified(1024, '\0') << 4u
                                  << "65536";
    QTest::newRow("other type unchanged")
        << 3u << QByteArray("\x01\x02", 2).leftJustified(1024, '\0') << 2u << "kept";
}

void TestAbout::registryValueText() {
    QFETCH(uint, type);
    QFETCH(QByteArray, buffer);
    QFETCH(uint, size);
    QFETCH(QString, expected);
    QCOMPARE(sd::registryValueText(type, buffer, size, QStringLiteral("kept")), expected);
}

#ifndef Q_OS_WIN
void TestAbout::withoutRegistryTheToolIsFoundOnThePath() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString tool = dir.filePath("hardinfo");
    QFile f(tool);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\nexit 0\n");
    f.close();
    QVERIFY(f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));

    const QByteArray savedPath = qgetenv("PATH");
    auto port = makeSystemSysInfoPort();
    qputenv("PATH", dir.path().toLocal8Bit());
    QCOMPARE(locateSysInfo(*port), tool);
    QString value = "x";
    QVERIFY(!port->GetKeyValue(RegistryRoot::LocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location",
                               "MSINFO", value));
    QCOMPARE(value, QString());
    qputenv("PATH", QByteArray("/nonexistent"));
    QCOMPARE(locateSysInfo(*port), QString());
    qputenv("PATH", savedPath);
}
#endif

SDTEST_MAIN(TestAbout)
#include "tst_frmAboutgroup.moc"
