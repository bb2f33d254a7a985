#pragma once
// The membership drill's rules, free of widgets: the four symbols, the statements
// and how "مسائل جديدة" steps them, the correct symbol of each statement, where a
// row stands for its caption, and the reward rule of a correction.

#include <QList>
#include <QString>

#include <array>
#include <utility>

namespace sd::membership {

// What a blank, a model image or a palette button holds. Symbols are compared
// by identity; each has one picture, named the same wherever it is shown.
enum class Symbol { Empty, ElementOf, NotElementOf, SubsetOf, NotSubsetOf };

QString pictureOf(Symbol symbol);
// The symbol a control's picture shows; an unknown or empty picture is Empty.
Symbol symbolOfPicture(const QString& picture);

// One statement's numbers, as the texts of their labels. B is used by row 4 only.
struct Statement {
    QString a, b, r1, r2, r3;
    bool operator==(const Statement&) const = default;
};

inline constexpr int kRows = 5;
// Rows 1 to 5 at indexes 0 to 4.
using Statements = std::array<Statement, kRows>;

// The numbers the screen opens with, before its first new problems.
Statements storedStatements();

// A label's text read as a whole number: leading blanks skipped, then an optional
// sign and the digits that follow; no digits at all reads as 0.
int numberOf(const QString& text);

// One press of "مسائل جديدة" on the numbers: rows 1, 2, 3, 5, 4 in turn.
void stepStatements(Statements& rows);
// The same, row by row (row is 1 to 5).
void stepRow(int row, Statement& s);

// The symbol that makes row's statement true (row is 1 to 5).
Symbol correctSymbol(int row, const Statement& s);

// Rows move down the screen by captions: "1" is the top place, "5" the bottom;
// a row stands where the stored layout puts the row of its place.
QString nextCaption(const QString& caption);
int placeOfCaption(const QString& caption); // 1 .. 5

// After new problems the row captioned "1" (the top place) is selected: the first
// of rows 1 to 4 so captioned, else row 5, which then takes the caption "1".
struct TopRow {
    int row = kRows;
    bool recaptioned = true; // row 5 is given the caption "1"
    bool operator==(const TopRow&) const = default;
};
TopRow topRow(const std::array<QString, kRows>& captions);

// The row after row in button order, the bottom one wrapping to the top.
int nextRow(int row);

// A placed symbol is right only when it is a symbol and the correct one.
bool isRight(Symbol placed, Symbol correct);

// A correction earns a reward when the right answers are strictly more than
// three quarters of all answers judged so far.
bool earnsReward(int right, int judged);

// ---- What a screen reader says ----

// A symbol as read aloud; an empty blank says it is empty.
QString spokenSymbol(Symbol symbol);
// A statement read right to left: its parts, each a left edge in twips and a text.
QString spokenStatement(QList<std::pair<int, QString>> parts);
// A corrected row: right, or wrong with the symbol it needs.
QString spokenVerdict(bool right, Symbol correct);
// A correction's outcome.
QString spokenOutcome(int right, int judged);

} // namespace sd::membership
