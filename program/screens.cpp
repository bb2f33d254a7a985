// The screens built into the program: one line per screen. Each is registered
// from its class, under the name its stored layout gives. The list lives here,
// beside the program's entry, so that the screen model in app/ never needs to
// know the lessons.

#include "program/screens.h"
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
    navigator.add<frmgroub0>();
    navigator.add<frmAboutgroup>([services](Navigator& nav) {
        return new frmAboutgroup(&nav, services.makeSysInfoPort ? services.makeSysInfoPort() : nullptr);
    });
    navigator.add<frmgrop3>();
    navigator.add<frmgroub4>();
    navigator.add<frmGroups>();
    navigator.add<frmgrop2>();
    navigator.add<frmgroub5>();
    navigator.add<frmvan>();
    navigator.add<frmmagmoaat1>();
}

} // namespace sd
