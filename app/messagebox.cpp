#include "app/messagebox.h"

#include "app/fonts.h"
#include "app/twips.h"
#include <QAbstractButton>

namespace sd {

void MsgBox(QWidget* parent, const QString& text, const QString& title, QMessageBox::Icon icon,
            bool rightToLeft) {
    QMessageBox box(parent);
    box.setObjectName(QStringLiteral("MsgBox"));
    box.setWindowTitle(title);
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    box.setIcon(icon);
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    // Desktops that put an icon on dialog buttons leave Qt's styles laying the
    // caption out past the button's edge: the OK button carries its caption
    // alone, which then sits in the middle in either reading direction.
    if (QAbstractButton* ok = box.button(QMessageBox::Ok))
        ok->setIcon(QIcon());
    box.setWindowModality(Qt::ApplicationModal);
    QFont f = box.font();
    f.setFamilies(fonts::shownFamilies(f.families())); // a score in the digits the pupil chose
    if (twips::zoom() != 1.0)                          // readable on the projector too
        f.setPointSizeF(f.pointSizeF() * twips::zoom());
    box.setFont(f);
    box.exec();
}

} // namespace sd
