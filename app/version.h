#pragma once
// The program's own name, version and the credit its windows carry. The
// version, the title and the desktop name come from the build (CMakeLists.txt).

#include "app/buildinfo.h"

namespace sd {

inline constexpr int kVersionMajor = SETSDRILL_VERSION_MAJOR;
inline constexpr int kVersionMinor = SETSDRILL_VERSION_MINOR;
inline constexpr int kVersionRevision = SETSDRILL_VERSION_PATCH;
inline constexpr const char* kVersion = SETSDRILL_VERSION;

// The base name of the installed .desktop file, icon and metadata.
inline constexpr const char* kDesktopName = SETSDRILL_APP_ID;

inline constexpr const char* kProgramTitle = SETSDRILL_TITLE;

// Title bar of every screen but the About box: subject, credit and contact.
inline constexpr const char* kWindowTitle =
    "تمارين المجموعات — إعداد: فريق تمارين المجموعات — للملاحظات: معلم الرياضيات في مدرستك";

inline constexpr const char* kCreditLine = "إعداد: فريق المجموعات";
inline constexpr const char* kContactLine = "للملاحظات والاقتراحات: معلم الرياضيات";

} // namespace sd
