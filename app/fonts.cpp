#include "app/fonts.h"

#include "app/twips.h"

#include <QApplication>
#include <QFontDatabase>
#include <QHash>

namespace sd::fonts {

namespace {

// Latin face first for digits and Latin letters (same metrics as the originals),
// then a face with good Arabic shaping, then a last resort that is always there.
const QHash<QString, QStringList>& table() {
    static const QHash<QString, QStringList> t = {
        {"arial", {"Liberation Sans", "Noto Sans Arabic UI", "Noto Sans Arabic", "DejaVu Sans"}},
        {"arabic transparent", {"Liberation Sans", "Noto Sans Arabic UI", "Noto Sans Arabic", "DejaVu Sans"}},
        {"ms sans serif", {"Liberation Sans", "Noto Sans Arabic UI", "Noto Sans Arabic", "DejaVu Sans"}},
        {"traditional arabic", {"Noto Naskh Arabic UI", "Liberation Serif", "Amiri", "DejaVu Serif"}},
        {"times new roman",
         {"Liberation Serif", "Noto Naskh Arabic UI", "Noto Naskh Arabic", "DejaVu Serif"}},
    };
    return t;
}

bool g_eastern = false;
const QString kEasternFace = QStringLiteral("SetsDrill Eastern Digits ");

} // namespace

bool easternDigits() {
    return g_eastern;
}

void setEasternDigits(bool on) {
    g_eastern = on;
}

QStringList shownFamilies(const QStringList& families) {
    if (!g_eastern || families.isEmpty() || isEasternDigitsFace(families.first()))
        return families;
    const QString& first = families.first();
    const QString kind = first == QLatin1String("Noto Naskh Arabic UI") ? QStringLiteral("Naskh")
                         : first == QLatin1String("Liberation Serif")   ? QStringLiteral("Serif")
                                                                        : QStringLiteral("Sans");
    return QStringList{kEasternFace + kind} + families;
}

bool isEasternDigitsFace(const QString& family) {
    return family.startsWith(kEasternFace);
}

QStringList familiesFor(const QString& windowsName) {
    const auto it = table().constFind(windowsName.trimmed().toLower());
    if (it != table().constEnd())
        return *it;
    return {windowsName, "Noto Sans Arabic UI", "Noto Sans Arabic", "DejaVu Sans"};
}

void install() {
    static const char* const kNames[] = {"Arial", "Arabic Transparent", "MS Sans Serif", "Traditional Arabic",
                                         "Times New Roman"};
    for (const char* name : kNames)
        QFont::insertSubstitutions(name, familiesFor(name));
    static const bool digitFaces = [] {
        for (const char* face : {"sans", "sans_bold", "naskh", "naskh_bold", "serif", "serif_bold"})
            QFontDatabase::addApplicationFont(QStringLiteral(":/assets/eastern_digits_%1.ttf").arg(face));
        return true;
    }();
    Q_UNUSED(digitFaces);
    // Menus, message boxes and tooltips use the application font, in points so
    // that it follows the system's own text size.
    QFont base;
    base.setFamilies(familiesFor("Arial"));
    base.setPointSizeF(10);
    QApplication::setFont(base);
}

QFont make(const QString& windowsName, double points, bool bold, bool italic, bool underline) {
    QFont f;
    f.setFamilies(familiesFor(windowsName));
    f.setPixelSize(twips::Scale().pointsToPx(points));
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    return f;
}

} // namespace sd::fonts
