#pragma once
// Qt's own texts in Arabic: the buttons of message boxes, an entry box's
// context menu, the standard dialogs. The program's own captions are not
// translated; they are written as they are shown.

#include <QString>
#include <QStringList>

namespace sd {

// Where Qt's translations are looked for, in order: where the installed Qt
// keeps them, then a "translations" folder beside the program (as the Windows
// installer lays them out).
QStringList qtTranslationFolders();

// Loads Qt's Arabic catalogue (qtbase_ar.qm) from the first of the folders that
// holds it, in place of any loaded before. Returns that folder, or an empty
// string when none held it: Qt's texts then stay English.
QString installQtArabic(const QStringList& folders = qtTranslationFolders());

} // namespace sd
