#include "app/messagebox.h"

#include "app/twips.h"

namespace sd {

void MsgBox(QWidget* parent, const QString& text, const QString& title, MsgIcon icon, bool rightToLeft) {
    QMessageBox box(parent);
    box.setObjectName(QStringLiteral("MsgBox"));
    box.setWindowTitle(title);
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    switch (icon) {
    case MsgIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MsgIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MsgIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MsgIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case MsgIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    box.setWindowModality(Qt::ApplicationModal);
    if (twips::zoom() != 1.0) { // readable on the projector too
        QFont f = box.font();
        f.setPointSizeF(f.pointSizeF() * twips::zoom());
        box.setFont(f);
    }
    box.exec();
}

} // namespace sd
