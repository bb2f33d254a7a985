#include "app/sysinfo.h"

#include <QFileInfo>

#include <QProcess>
#include <QStandardPaths>
#include <algorithm>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#endif

namespace sd {

QString registryValueText(unsigned long type, const QByteArray& buffer, unsigned long size,
                          const QString& unchanged) {
    const qsizetype kept = std::min<qsizetype>(static_cast<qsizetype>(size), buffer.size());
    if (type == 1) {
        // Stored with or without its terminating zero.
        QByteArray text = buffer.left(kept);
        if (!text.isEmpty() && text.back() == '\0')
            text.chop(1);
        return QString::fromLocal8Bit(text);
    }
    if (type == 4) {
        // Little-endian 32-bit number, read from its bytes (a zero byte inside
        // the number is a digit of it, not an end).
        quint32 number = 0;
        for (qsizetype i = std::min<qsizetype>(kept, 4) - 1; i >= 0; --i)
            number = (number << 8) | static_cast<quint8>(buffer[i]);
        return QString::number(number);
    }
    return unchanged;
}

QString locateSysInfo(SysInfoPort& port) {
    QString path;
    if (port.GetKeyValue(RegistryRoot::LocalMachine, QString::fromLatin1(kSysInfoKey),
                         QString::fromLatin1(kSysInfoValue), path))
        return path;
    QString folder;
    if (!port.GetKeyValue(RegistryRoot::LocalMachine, QString::fromLatin1(kSysInfoLocationKey),
                          QString::fromLatin1(kSysInfoLocationValue), folder))
        return {};
    const QString candidate = folder + QString::fromLatin1(kSysInfoFile);
    return port.fileExists(candidate) ? candidate : QString();
}

bool StartSysInfo(SysInfoPort& port) {
    const QString path = locateSysInfo(port);
    return !path.trimmed().isEmpty() && port.startProcess(path);
}

namespace {

class SystemPort : public SysInfoPort {
public:
    bool GetKeyValue(RegistryRoot root, const QString& keyName, const QString& valueName,
                     QString& value) override;
    bool fileExists(const QString& path) override {
        const QFileInfo info(path);
        return info.exists() && info.isFile();
    }
    bool startProcess(const QString& program) override { return QProcess::startDetached(program, {}); }
};

#ifdef Q_OS_WIN

bool SystemPort::GetKeyValue(RegistryRoot, const QString& keyName, const QString& valueName, QString& value) {
    value.clear();
    HKEY key = nullptr;
    // Read access is all that is needed; asking for full access on the machine
    // root fails for every pupil who is not an administrator.
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyName.toLocal8Bit().constData(), 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return false;
    QByteArray buffer(1024, '\0');
    DWORD size = 1024;
    DWORD type = 0;
    const LONG rc = RegQueryValueExA(key, valueName.toLocal8Bit().constData(), nullptr, &type,
                                     reinterpret_cast<BYTE*>(buffer.data()), &size);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS)
        return false;
    value = registryValueText(type, buffer, size, value);
    return true;
}

#else

bool SystemPort::GetKeyValue(RegistryRoot, const QString& keyName, const QString& valueName, QString& value) {
    value.clear();
    // No registry here: the tool's path is the first well-known
    // system-information program found on the PATH.
    if (keyName != QLatin1String(kSysInfoKey) || valueName != QLatin1String(kSysInfoValue))
        return false;
    static const char* const kPrograms[] = {
        "hardinfo2", "hardinfo", "kinfocenter", "gnome-system-monitor", "mate-system-monitor", "lshw-gtk"};
    for (const char* program : kPrograms) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(program));
        if (!found.isEmpty()) {
            value = found;
            return true;
        }
    }
    return false;
}

#endif

} // namespace

std::unique_ptr<SysInfoPort> makeSystemSysInfoPort() {
    return std::make_unique<SystemPort>();
}

} // namespace sd
