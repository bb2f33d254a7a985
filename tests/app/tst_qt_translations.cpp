// Qt's own texts read Arabic from the program's start: a message box's button
// and an entry box's context menu. The catalogue is found where the installed
// Qt keeps it, or else in a translations folder beside the program.

#include "app/controls.h"
#include "app/qt_translations.h"
#include "support/testmain.h"

#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

QString okCaption() {
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Ok);
    return box.button(QMessageBox::Ok)->text();
}

QStringList contextMenu() {
    sd::TextBox box;
    const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    QStringList entries;
    for (const QAction* a : menu->actions())
        if (!a->isSeparator())
            entries << a->text().section(u'\t', 0, 0);
    return entries;
}

} // namespace

class TestQtTranslations : public QObject {
    Q_OBJECT

private slots:
    void qtsOwnTextsReadArabic() {
        QCOMPARE(okCaption(), QString("حسنًا"));
        const QStringList entries = contextMenu();
        for (const char* entry : {"&تراجع", "أ&عد", "&قصّ", "ا&نسخ", "أل&صق", "احذف", "حدّد الكلّ"})
            QVERIFY2(entries.contains(QString::fromUtf8(entry)), qPrintable(entries.join(" | ")));
    }

    // As the Windows installer lays it out: Qt's own folder is not on the
    // machine, the catalogue stands in the folder beside the program.
    void foundBesideTheProgram() {
        QTemporaryDir beside;
        const QString catalogue = QStringLiteral("/qtbase_ar.qm");
        QVERIFY(QFile::copy(sd::qtTranslationFolders().first() + catalogue, beside.path() + catalogue));
        const QStringList folders{beside.path() + "/missing", beside.path()};
        QCOMPARE(sd::installQtArabic(folders), beside.path());
        QCOMPARE(okCaption(), QString("حسنًا"));
        QCOMPARE(sd::installQtArabic({beside.path() + "/missing"}), QString());
    }
};

SDTEST_MAIN(TestQtTranslations)
#include "tst_qt_translations.moc"
