#include "app/qt_translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace sd {

QStringList qtTranslationFolders() {
    return {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
            QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"))};
}

QString installQtArabic(const QStringList& folders) {
    static QPointer<QTranslator> installed;
    for (const QString& folder : folders) {
        auto* translator = new QTranslator(QCoreApplication::instance());
        if (!translator->load(QStringLiteral("qtbase_ar"), folder)) {
            delete translator;
            continue;
        }
        delete installed.data(); // removes itself from the application
        installed = translator;
        QCoreApplication::installTranslator(translator);
        return folder;
    }
    return {};
}

} // namespace sd
