// What only the Windows build has: the About box's system-information launcher
// on a real registry (Wine's, on the build machine), the version resource of the
// program, and the free fonts it carries for machines without the stored ones.

#include "app/credits.h"
#include "app/fonts.h"
#include "app/navigator.h"
#include "app/screen.h"
#include "app/sysinfo.h"
#include "app/version.h"
#include "support/screentest.h"

#include <QDir>
#include <QFontDatabase>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <sddl.h>

using namespace sd;

namespace {

// The registry as the tests leave and find it: both keys of the launcher,
// written and removed here, and put back as they were at the end.
struct Machine {
    static bool removeKey(const char* key) {
        const LONG rc = RegDeleteTreeA(HKEY_LOCAL_MACHINE, key);
        return (rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND) &&
               RegDeleteKeyA(HKEY_LOCAL_MACHINE, key) != ERROR_ACCESS_DENIED;
    }
    static bool keyExists(const char* key) {
        HKEY k = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_READ, &k) != ERROR_SUCCESS)
            return false;
        RegCloseKey(k);
        return true;
    }
    // Written with the system's own tool, as a technician would.
    static bool regAdd(const char* key, const char* value, const QString& data) {
        return QProcess::execute(QStringLiteral("reg"),
                                 {"add", QStringLiteral("HKLM\\%1").arg(QLatin1String(key)), "/v",
                                  QLatin1String(value), "/t", "REG_SZ", "/d", QDir::toNativeSeparators(data),
                                  "/f"}) == 0;
    }
    // Written through the API, with or without the string's terminating zero.
    static bool write(const char* key, const char* value, const QString& data, bool withZero) {
        HKEY k = nullptr;
        if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr) !=
            ERROR_SUCCESS)
            return false;
        QByteArray bytes = QDir::toNativeSeparators(data).toLocal8Bit();
        if (withZero)
            bytes.append('\0');
        const LONG rc = RegSetValueExA(k, value, 0, REG_SZ, reinterpret_cast<const BYTE*>(bytes.constData()),
                                       DWORD(bytes.size()));
        RegCloseKey(k);
        return rc == ERROR_SUCCESS;
    }
    static bool setDacl(const char* key, const char* sddl) {
        HKEY k = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, WRITE_DAC, &k) != ERROR_SUCCESS)
            return false;
        PSECURITY_DESCRIPTOR sd = nullptr;
        bool ok = ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &sd, nullptr) &&
                  RegSetKeySecurity(k, DACL_SECURITY_INFORMATION, sd) == ERROR_SUCCESS;
        LocalFree(sd);
        RegCloseKey(k);
        return ok;
    }
};

// A key's values, saved so a test run on a real machine gives them back.
struct SavedKey {
    SavedKey(const char* k, const char* v) : key(k), value(v) {}
    const char* key;
    const char* value;
    bool present = false;
    QString data;
    void save() {
        char buffer[1024] = {};
        DWORD size = sizeof buffer;
        present = RegGetValueA(HKEY_LOCAL_MACHINE, key, value, RRF_RT_REG_SZ, nullptr, buffer, &size) ==
                  ERROR_SUCCESS;
        data = QString::fromLocal8Bit(buffer);
    }
    void restore() const {
        Machine::removeKey(key);
        if (present)
            Machine::write(key, value, data, true);
    }
};

enum class How { RegTool, WithZero, WithoutZero };

QString ranMarker(const QString& program) {
    return program + QStringLiteral(".ran");
}

} // namespace

Q_DECLARE_METATYPE(How)

class TestWindows : public QObject {
    Q_OBJECT

    SavedKey path{kSysInfoKey, kSysInfoValue};
    SavedKey folder{kSysInfoLocationKey, kSysInfoLocationValue};
    QTemporaryDir dir;
    QString recorder; // a copy of the stand-in tool, in a folder of its own

    // Presses "&System Info..." in an About box that reads the real registry;
    // answers the messages it shows.
    QStringList pressSystemInfo() {
        sdtest::Program program(Services{});
        program.nav->show("frmgroub0");
        Screen* about = program.nav->show("frmAboutgroup");
        sdtest::MessageWatcher watcher(this);
        QTest::mouseClick(about->get<CommandButton>("cmdSysInfo"), Qt::LeftButton);
        QTest::qWait(50);
        return watcher.texts;
    }
    void clearRegistry() {
        QVERIFY(Machine::removeKey(kSysInfoKey));
        QVERIFY(Machine::removeKey(kSysInfoLocationKey));
    }

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init() { clearRegistry(); }

    void systemInformation_data();
    void systemInformation();
    void readAccessIsAllItNeeds();
    void versionResourceComesFromTheProject();
    void carriedFontsStandInForMissingOnes();
};

void TestWindows::initTestCase() {
    path.save();
    folder.save();
    if (!Machine::write(kSysInfoKey, kSysInfoValue, "probe", true))
        QSKIP("writing the machine's registry needs Wine or an administrator");
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir("tool"));
    recorder = dir.filePath("tool/recorder.exe");
    QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + "/sysinfo_recorder.exe", recorder));
}

void TestWindows::cleanupTestCase() {
    path.restore();
    folder.restore();
}

void TestWindows::systemInformation_data() {
    QTest::addColumn<bool>("pathValue");
    QTest::addColumn<QString>("folderValue"); // "" none, "tool" the recorder's folder, "empty" an empty one
    QTest::addColumn<How>("how");
    QTest::addColumn<QString>("started"); // "" nothing, "recorder", "MSINFO32.EXE"

    QTest::newRow("PATH written by reg add") << true << "" << How::RegTool << "recorder";
    QTest::newRow("PATH with its terminating zero") << true << "" << How::WithZero << "recorder";
    QTest::newRow("PATH without its terminating zero") << true << "" << How::WithoutZero << "recorder";
    QTest::newRow("PATH wins over the folder") << true << "tool" << How::RegTool << "recorder";
    QTest::newRow("folder holding MSINFO32.EXE") << false << "tool" << How::RegTool << "MSINFO32.EXE";
    QTest::newRow("folder without its terminating zero")
        << false << "tool" << How::WithoutZero << "MSINFO32.EXE";
    QTest::newRow("folder without MSINFO32.EXE") << false << "empty" << How::RegTool << "";
    QTest::newRow("neither value") << false << "" << How::RegTool << "";
}

// The launcher reads the values Windows keeps (written by the system's own
// tool or the API, with or without the zero) and starts what they name, a
// program that records that it ran; else it shows the one message.
void TestWindows::systemInformation() {
    QFETCH(bool, pathValue);
    QFETCH(QString, folderValue);
    QFETCH(How, how);
    QFETCH(QString, started);

    const QString toolDir = dir.filePath("tool");
    const QString msinfo = toolDir + "/MSINFO32.EXE";
    QFile::remove(msinfo);
    if (started == "MSINFO32.EXE")
        QVERIFY(QFile::copy(recorder, msinfo));
    const QDir emptyDir(dir.filePath("empty"));
    QVERIFY(emptyDir.mkpath("."));
    for (const QString& program : {recorder, msinfo})
        QFile::remove(ranMarker(program));

    const auto put = [how](const char* key, const char* value, const QString& data) {
        return how == How::RegTool ? Machine::regAdd(key, value, data)
                                   : Machine::write(key, value, data, how == How::WithZero);
    };
    if (pathValue)
        QVERIFY(put(kSysInfoKey, kSysInfoValue, recorder));
    if (!folderValue.isEmpty())
        QVERIFY(put(kSysInfoLocationKey, kSysInfoLocationValue,
                    folderValue == "tool" ? toolDir : emptyDir.path()));

    const QStringList messages = pressSystemInfo();
    if (started.isEmpty()) {
        QCOMPARE(messages, QStringList{QString::fromLatin1(kSysInfoUnavailable)});
    } else {
        QVERIFY(messages.isEmpty());
        const QString program = started == "recorder" ? recorder : msinfo;
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(ranMarker(program)), 20000);
    }
    QTest::qWait(200);
    QCOMPARE(QFile::exists(ranMarker(recorder)), started == "recorder");
    QCOMPARE(QFile::exists(ranMarker(msinfo)), started == "MSINFO32.EXE");
    // Only read: nothing was created where nothing was.
    QCOMPARE(Machine::keyExists(kSysInfoKey), pathValue);
    QCOMPARE(Machine::keyExists(kSysInfoLocationKey), !folderValue.isEmpty());
}

// A pupil may read the machine's keys but not change them: the same keys,
// readable by everyone and writable by no one, give the same launch.
void TestWindows::readAccessIsAllItNeeds() {
    QVERIFY(Machine::regAdd(kSysInfoKey, kSysInfoValue, recorder));
    QFile::remove(ranMarker(recorder));
    QVERIFY(Machine::setDacl(kSysInfoKey, "D:P(A;;KR;;;WD)"));
    HKEY k = nullptr;
    const LONG full = RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSysInfoKey, 0, KEY_ALL_ACCESS, &k);
    if (full == ERROR_SUCCESS)
        RegCloseKey(k);
    QCOMPARE(full, LONG(ERROR_ACCESS_DENIED)); // the key is really read-only now

    const QStringList messages = pressSystemInfo();
    QVERIFY(Machine::setDacl(kSysInfoKey, "D:P(A;;KA;;;WD)"));
    QVERIFY(messages.isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(ranMarker(recorder)), 20000);
}

void TestWindows::versionResourceComesFromTheProject() {
    const std::wstring exe =
        QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + "/setsdrill.exe").toStdWString();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &ignored);
    QVERIFY(size > 0);
    QByteArray data(int(size), '\0');
    QVERIFY(GetFileVersionInfoW(exe.c_str(), 0, size, data.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    QVERIFY(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    QCOMPARE(HIWORD(fixed->dwFileVersionMS), DWORD(kVersionMajor));
    QCOMPARE(LOWORD(fixed->dwFileVersionMS), DWORD(kVersionMinor));
    QCOMPARE(HIWORD(fixed->dwFileVersionLS), DWORD(kVersionRevision));
    QCOMPARE(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    const auto text = [&](const wchar_t* name) {
        wchar_t* value = nullptr;
        UINT chars = 0;
        const std::wstring query = std::wstring(L"\\StringFileInfo\\040104B0\\") + name;
        if (!VerQueryValueW(data.data(), query.c_str(), reinterpret_cast<void**>(&value), &chars) || !value)
            return QString();
        return QString::fromWCharArray(value);
    };
    QCOMPARE(text(L"ProductName"), QString::fromUtf8(kProgramName));
    QCOMPARE(text(L"ProductVersion"), QString::fromLatin1(kVersion));
    QCOMPARE(text(L"FileVersion"), QString::fromLatin1(kVersion));
}

// The system's face first; where the machine lacks it, a carried free face with
// the Latin letters and one with Arabic ones.
void TestWindows::carriedFontsStandInForMissingOnes() {
    fonts::install();
    const QStringList carried = fonts::carriedFamilies();
    for (const char* stored :
         {"Arial", "Arabic Transparent", "MS Sans Serif", "Traditional Arabic", "Times New Roman"}) {
        const QStringList families = fonts::familiesFor(QString::fromLatin1(stored));
        QVERIFY2(families.size() > 2, stored);
        bool latin = false;
        bool arabic = false;
        for (const QString& family : families.mid(1)) {
            if (!carried.contains(family))
                continue;
            const QList<QFontDatabase::WritingSystem> systems = QFontDatabase::writingSystems(family);
            latin = latin || systems.contains(QFontDatabase::Latin);
            arabic = arabic || systems.contains(QFontDatabase::Arabic);
        }
        QVERIFY2(
            latin && arabic,
            qPrintable(
                QStringLiteral("%1: %2 (carried: %3)").arg(stored, families.join(", "), carried.join(", "))));
    }
}

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
