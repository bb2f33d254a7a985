#pragma once
// The stored layouts name Windows fonts. On Windows they are used, with free
// fonts behind them where a machine lacks one; elsewhere the free fonts stand
// in. The mapping lives here and nowhere else.

#include <QFont>
#include <QStringList>

namespace sd::fonts {

// The families to use, best first, for a font name found in a stored layout.
QStringList familiesFor(const QString& windowsName);

// The families of the fonts carried in a "fonts" folder beside the program
// (the Windows installer's), registered by install().
QStringList carriedFamilies();

// Registers the carried fonts and the mapping with Qt at start-up, so that any
// text Qt draws for us (message boxes, tooltips, menus) finds good Arabic glyphs too.
void install();

// Numbers drawn with the Eastern Arabic digits (٠١٢٣٤٥٦٧٨٩) or as the lessons
// hold them. Only the drawing changes: every text keeps its digits 0-9, so what
// is judged, scored and read stays the same.
bool easternDigits();
void setEasternDigits(bool on);
// The families a font draws with: with the Eastern digits chosen, a face that
// draws 0-9 as ٠-٩ goes first. Each such face has the metrics and digit widths
// of the face it stands in front of, so text takes exactly the room it took.
QStringList shownFamilies(const QStringList& families);
bool isEasternDigitsFace(const QString& family);

// A font for a stored font name, size in points and weight, sized in pixels by
// the twips rule at the stored size; a control sizes it anew for its screen's scale.
QFont make(const QString& windowsName, double points, bool bold, bool italic = false, bool underline = false);

} // namespace sd::fonts
