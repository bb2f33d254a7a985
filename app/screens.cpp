#include "app/screens.h"

#include "app/fonts.h"
#include "app/frmAboutgroup.h"
#include "app/frmgroub0.h"
#include "app/navigator.h"
#include "board/frmmagmoaat1.h"
#include "lessons/expressing/frmgrop3.h"
#include "lessons/listing/frmGroups.h"
#include "lessons/listing/frmgrop2.h"
#include "lessons/listing/frmgroub5.h"
#include "lessons/membership/frmgroub4.h"
#include "lessons/venn/frmvan.h"

namespace sd {

void registerScreens(Navigator& navigator, const Services& services) {
    navigator.registerScreen("frmgroub0", [](Navigator& nav) { return new frmgroub0(&nav); });
    navigator.registerScreen("frmAboutgroup", [services](Navigator& nav) {
        return new frmAboutgroup(&nav, services.makeSysInfoPort ? services.makeSysInfoPort() : nullptr);
    });
    navigator.registerScreen("frmgrop3", [](Navigator& nav) { return new frmgrop3(&nav); });
    navigator.registerScreen("frmgroub4", [](Navigator& nav) { return new frmgroub4(&nav); });
    navigator.registerScreen("frmGroups", [](Navigator& nav) { return new frmGroups(&nav); });
    navigator.registerScreen("frmgrop2", [](Navigator& nav) { return new frmgrop2(&nav); });
    navigator.registerScreen("frmgroub5", [](Navigator& nav) { return new frmgroub5(&nav); });
    navigator.registerScreen("frmvan", [](Navigator& nav) { return new frmvan(&nav); });
    navigator.registerScreen("frmmagmoaat1", [](Navigator& nav) { return new frmmagmoaat1(&nav); });
}

void installFonts() {
    fonts::install();
}

} // namespace sd
