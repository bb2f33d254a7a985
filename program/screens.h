#pragma once
// The screens built into the program, registered with the navigator by name.
// The list itself is program/screens.cpp: the screen model does not know the lessons.

#include "app/sysinfo.h"

#include <functional>
#include <memory>

namespace sd {

class Navigator;

// What screens need from the world outside the window system; tests give fakes.
struct Services {
    std::function<std::unique_ptr<SysInfoPort>()> makeSysInfoPort = makeSystemSysInfoPort;
};

void registerScreens(Navigator& navigator, const Services& services = {});

inline constexpr const char* kStartScreen = "frmgroub0";

} // namespace sd
