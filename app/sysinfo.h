#pragma once
// Finding and starting the system's information tool, for the About box. The
// registry, the file test and the process start sit behind a small port, so the
// steps can be tested with a fake registry and a fake process starter.

#include <QByteArray>
#include <QString>

#include <memory>

namespace sd {

enum class RegistryRoot { LocalMachine };

inline constexpr const char* kSysInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char* kSysInfoValue = "PATH";
inline constexpr const char* kSysInfoLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr const char* kSysInfoLocationValue = "MSINFO";
inline constexpr const char* kSysInfoFile = "\\MSINFO32.EXE";
inline constexpr const char* kSysInfoUnavailable = "System Information Is Unavailable At This Time";

class SysInfoPort {
public:
    virtual ~SysInfoPort() = default;
    // Reads one value of a key; true with the value as text when it was read,
    // false with an empty value otherwise.
    virtual bool GetKeyValue(RegistryRoot root, const QString& keyName, const QString& valueName,
                             QString& value) = 0;
    virtual bool fileExists(const QString& path) = 0;
    // Starts the program as a separate process in a normal window with focus,
    // never through a shell; false when it could not be started.
    virtual bool startProcess(const QString& program) = 0;
};

// The port of this operating system. On Windows it reads the registry; where
// there is no registry it answers the tool's path from a short list of
// well-known system-information programs found on the PATH.
std::unique_ptr<SysInfoPort> makeSystemSysInfoPort();

// The text of a registry value as read into a buffer of the given size: a
// string (type 1) without its terminating zero, a 32-bit number (type 4) in
// decimal; any other type gives `unchanged`.
QString registryValueText(unsigned long type, const QByteArray& buffer, unsigned long size,
                          const QString& unchanged = QString());

// The tool's full path, or empty when it cannot be found.
QString locateSysInfo(SysInfoPort& port);

// Finds and starts the tool; false on any failure (the caller tells the user).
bool StartSysInfo(SysInfoPort& port);

} // namespace sd
