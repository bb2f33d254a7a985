#pragma once
// The program's version and the name the desktop knows it by, both from the
// build (CMakeLists.txt's project()). What its windows say is app/credits.h.

#include "app/buildinfo.h"

namespace sd {

inline constexpr int kVersionMajor = SETSDRILL_VERSION_MAJOR;
inline constexpr int kVersionMinor = SETSDRILL_VERSION_MINOR;
inline constexpr int kVersionRevision = SETSDRILL_VERSION_PATCH;
inline constexpr const char* kVersion = SETSDRILL_VERSION;

// The base name of the installed .desktop file, icon and metadata.
inline constexpr const char* kDesktopName = SETSDRILL_APP_ID;

} // namespace sd
