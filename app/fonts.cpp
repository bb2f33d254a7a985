#include "app/fonts.h"

#include "app/twips.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QHash>

namespace sd::fonts {

namespace {

struct Faces {
    // The face itself on Windows (MS Sans Serif is a bitmap font there; its
    // TrueType successor draws at every size).
    const char* system;
    // Free faces: a Latin face first for digits and Latin letters (same metrics
    // as the originals), then a face with good Arabic shaping, then a last
    // resort that is always there on Linux.
    QStringList free;
};

const QHash<QString, Faces>& table() {
    static const QHash<QString, Faces> t = {
        {"arial", {"Arial", {"Liberation Sans", "Noto Sans Arabic UI", "Noto Sans Arabic", "DejaVu Sans"}}},
        // On Windows this name stands for Arial.
        {"arabic transparent",
         {"Arial", {"Liberation Sans", "Noto Sans Arabic UI", "Noto Sans Arabic", "DejaVu Sans"}}},
        {"ms sans serif",
         {"Microsoft Sans Serif",
          {"Liberation Sans", "Noto Sans Arabic UI", "Noto Sans Arabic", "DejaVu Sans"}}},
        {"traditional arabic",
         {"Traditional Arabic", {"Noto Naskh Arabic UI", "Liberation Serif", "Amiri", "DejaVu Serif"}}},
        {"times new roman",
         {"Times New Roman",
          {"Liberation Serif", "Noto Naskh Arabic UI", "Noto Naskh Arabic", "DejaVu Serif"}}},
    };
    return t;
}

QStringList& carried() {
    static QStringList families;
    return families;
}

// The fonts the Windows installer puts beside the program, for machines that
// lack the system's own faces.
void registerCarriedFonts() {
    static bool done = false;
    if (done)
        return;
    done = true;
    const QDir folder(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
    for (const QString& file :
         folder.entryList({QStringLiteral("*.ttf"), QStringLiteral("*.otf")}, QDir::Files)) {
        const int id = QFontDatabase::addApplicationFont(folder.filePath(file));
        for (const QString& family : QFontDatabase::applicationFontFamilies(id))
            if (!carried().contains(family))
                carried().append(family);
    }
}

// Glyphs keep their own widths (hinting only up and down, the Linux desktop's
// usual), so a stored line measures the same on every system; on Windows this
// also draws the text through DirectWrite.
void keepWidths(QFont& f) {
    f.setHintingPreference(QFont::PreferVerticalHinting);
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
    // The first free face tells the kind (on Windows the system's own comes before it).
    QString kind = QStringLiteral("Sans");
    for (const QString& family : families) {
        if (family == QLatin1String("Noto Naskh Arabic UI") || family == QLatin1String("Liberation Serif") ||
            family == QLatin1String("Liberation Sans")) {
            kind = family == QLatin1String("Noto Naskh Arabic UI") ? QStringLiteral("Naskh")
                   : family == QLatin1String("Liberation Serif")   ? QStringLiteral("Serif")
                                                                   : QStringLiteral("Sans");
            break;
        }
    }
    return QStringList{kEasternFace + kind} + families;
}

bool isEasternDigitsFace(const QString& family) {
    return family.startsWith(kEasternFace);
}

QStringList familiesFor(const QString& windowsName) {
    const auto it = table().constFind(windowsName.trimmed().toLower());
    if (it == table().constEnd())
        return {windowsName, "Noto Sans Arabic UI", "Noto Sans Arabic", "DejaVu Sans"};
#ifdef Q_OS_WIN
    return QStringList{QString::fromLatin1(it->system)} + it->free;
#else
    return it->free;
#endif
}

QStringList carriedFamilies() {
    return carried();
}

void install() {
    registerCarriedFonts();
    static const char* const kNames[] = {"Arial", "Arabic Transparent", "MS Sans Serif", "Traditional Arabic",
                                         "Times New Roman"};
    for (const char* name : kNames) {
        QStringList families = familiesFor(QString::fromLatin1(name));
        families.removeAll(QString::fromLatin1(name)); // Windows has the face itself
        QFont::insertSubstitutions(QString::fromLatin1(name), families);
    }
    static const bool digitFaces = [] {
        for (const char* face : {"sans", "sans_bold", "naskh", "naskh_bold", "serif", "serif_bold"})
            QFontDatabase::addApplicationFont(QStringLiteral(":/assets/eastern_digits_%1.ttf").arg(face));
        return true;
    }();
    Q_UNUSED(digitFaces);
    // Menus, message boxes and tooltips use the application font, in points so
    // that it follows the system's own text size.
    QFont base;
    keepWidths(base);
    base.setFamilies(familiesFor("Arial"));
    base.setPointSizeF(10);
    QApplication::setFont(base);
}

QFont make(const QString& windowsName, double points, bool bold, bool italic, bool underline) {
    QFont f;
    keepWidths(f);
    f.setFamilies(familiesFor(windowsName));
    f.setPixelSize(twips::Scale().pointsToPx(points));
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    return f;
}

} // namespace sd::fonts
