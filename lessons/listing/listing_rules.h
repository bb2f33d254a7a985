#pragma once
// The plain rules of the listing drills: renumbering the diagram, the signs
// around the entry boxes, judging a written row and scoring it. No widgets here;
// the screens read their controls, call these and write the results back.

#include "lessons/common/lesson_rules.h"
#include "lessons/common/rgb.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace sd::listing {

// The colours a judged entry box takes (its background).
inline constexpr Rgb kBlack{0x000000}; // a correct element, or an empty box
inline constexpr Rgb kRed{0xFF0000};   // not an element of the row's set
inline constexpr Rgb kGreen{0x00FF00}; // an element written in more than one box

// The signs standing around the boxes of a row.
using lessons::kCloseBrace;
using lessons::kComma;
using lessons::kOpenBrace;
inline constexpr char16_t kPoint = u'.';

// The next diagram number of a new problem: one cycle through all ten digits,
// 0 1 3 2 7 5 9 4 6 8 and back to 0. The caption is read as a number; anything
// that is none of 1..9 becomes "1".
QString RenumberDigit(const QString& caption);

// What a clicked separator turns into: a comma becomes a closing brace, a closing
// brace a point, a point a comma again; an opening brace (or anything else) stays "{".
QString nextSeparator(const QString& shown);

// Writing into a box of a row: the signs before and after it (lesson_rules.h).
using lessons::liveBraces;
using lessons::SeparatorSign;

enum class Mark { Correct, Wrong, Repeated };

Rgb colorOf(Mark mark);
// The mark a judged box shows by its colour.
Mark markOf(Rgb color);

struct Judgement {
    QList<Mark> marks;     // one per box; an empty box is Correct (drawn black)
    bool repeated = false; // some element stands in more than one box
};

// Judges the texts of a row's boxes against the captions of its correct set.
// Texts are compared as written, after leading and trailing spaces are dropped;
// only elements of the set are ever marked as repeated.
Judgement judgeEntries(const QStringList& texts, const QStringList& elements);

// How a row's score is raised or cut after the boxes are counted.
struct Adjustment {
    enum Kind { None, RaiseWhenEqual, CapAbove };
    Kind kind = None;
    double at = 0; // RaiseWhenEqual: the score that is raised; CapAbove: the cap
    double to = 0; // RaiseWhenEqual: what it becomes
};

struct RowScoring {
    double weight = 0.5; // earned by each correct box
    Adjustment adjustment{};
    double maximum = 0; // added to the possible total whenever the row is scored
};

struct RowScore {
    double score = 0;
    double duplicate = 0; // all repeated boxes of a row together earn this once
    double correct = 0;
};

// Scores a judged row: each written wrong box costs half a point, each correct box
// earns the weight, repeats earn half a point once; never below zero.
RowScore scoreEntries(const QList<Mark>& marks, const QStringList& texts, const RowScoring& scoring);

// What a screen reader says. Names holding "%1" keep the caption in its place.
// A box of a row, by the row's name and its place: "خانة عنصر من س، 2 من 8".
QString spokenBox(const QString& row, int position, int count);
// Separator k of row r (both from 0): k opens the row, the others follow box k.
QString spokenSeparator(int row, int k);
// A row's check button and note button, by their caption.
QString spokenCheckButton();
QString spokenNoteButton();
// A row's score, by the row (from 0).
QString spokenRowScore(int row);
// A judged box's verdict; an empty box says it is empty.
QString spokenMark(Mark mark, const QString& text);
// A check's outcome: how many written boxes are right, wrong and repeated.
QString spokenOutcome(const QList<Mark>& marks, const QStringList& texts);

} // namespace sd::listing
