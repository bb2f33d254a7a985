#include "app/screens.h"

#include "app/fonts.h"
#include "app/frmAboutgroup.h"
#include "app/frmgroub0.h"
#include "app/navigator.h"

namespace sd {

void registerScreens(Navigator& navigator, const Services& services) {
    navigator.registerScreen("frmgroub0", [](Navigator& nav) { return new frmgroub0(&nav); });
    navigator.registerScreen("frmAboutgroup", [services](Navigator& nav) {
        return new frmAboutgroup(&nav, services.makeSysInfoPort ? services.makeSysInfoPort() : nullptr);
    });
}

void installFonts() {
    fonts::install();
}

} // namespace sd
