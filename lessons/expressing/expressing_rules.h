#pragma once
// The rules of the expressing-sets drill, free of widgets: how each problem's
// numbers step, which set each problem describes, how one written element is
// judged, and how the percentage score is reached.

#include "lessons/common/rgb.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace sd::expressing {

// The eight problems, one per row, numbered as the pupil sees them (1 to 8).
enum class Problem {
    DigitsOfNumber = 1,
    FromTo,
    StrictlyBetween,
    WholeLessThan,
    OddBetween,
    EvenBetween,
    PrimesBetween,
    DivisorsOf
};

inline constexpr int kProblemCount = 8;

Problem problemOfRow(int k); // k = 1 .. 8
int rowOf(Problem p);
// How many numbers the description holds: 1 or 2.
int numberCount(Problem p);

// A problem's numbers: a (the only one of a one-number problem) and b.
struct Numbers {
    int a = 0;
    int b = 0;
    friend bool operator==(const Numbers&, const Numbers&) = default;
};

// The numbers a problem starts with.
Numbers designNumbers(Problem p);

// The numbers after one step of the problem (both numbers step together).
Numbers step(Problem p, Numbers x);

// The rows "جديد" changes, in the order it changes them.
std::array<int, kProblemCount> newProblemOrder();

// ---- Correct sets ----

// How many element slots the problem's answer row has.
int slotCount(Problem p);

struct CorrectSet {
    // Texts written into the element slots, from the first slot onwards. In the
    // digits problem an emptied duplicate is "" and all five slots are given; the
    // counting problems fill every slot, beyond count too (those slots stay hidden).
    QStringList texts;
    // Number of slots shown; for the digits problem, all five.
    int count = 0;
};

CorrectSet correctSet(Problem p, Numbers x);

// The digits row's answer shows a separator before each of its element slots 1
// to 4: " ، ", or nothing before an emptied duplicate, so that the row closes up.
// `texts` are the slots' texts as correctSet gives them; none (a new problem)
// gives every separator back.
inline constexpr int kDigitsSeparators = 4;
std::array<QString, kDigitsSeparators> digitsSeparators(const QStringList& texts);

// The elements of the correct set in the order they are shown, without gaps.
QStringList correctElements(Problem p, Numbers x);

// ---- Judging one entry box ----

enum class Verdict {
    Empty, // nothing written (blanks only)
    Correct,
    Wrong,      // marked red, with the "wrong" message
    NotANumber, // counting rows 5 to 8: marked red, no message
};

// text is the box's text as written; blanks at either end do not count.
Verdict judge(Problem p, Numbers x, const QString& text);

// A decimal number with an optional sign and at most one point: "7", "07", "7.",
// ".5", "-2". Anything else (letters, other digit shapes, a lone point) is not.
std::optional<double> readNumber(const QString& text);

// ---- Box colours ----

// The colours a box shows: marks of a check, and the blue of the selected box.
enum class Mark { Black, Red, Green, Other };

Rgb colorOf(Mark m); // Other: the selected box's blue
Mark markOf(Rgb color);

// ---- Judging a row ----

// What a check does to one entry box; where a value is missing, the box keeps
// what it has.
struct BoxOutcome {
    std::optional<Mark> mark;
    std::optional<bool> border;
    friend bool operator==(const BoxOutcome&, const BoxOutcome&) = default;
};

struct RowJudgement {
    std::vector<BoxOutcome> boxes; // one per box, in index order
    bool wrong = false;            // the "wrong" message shows
    bool repeated = false;         // the "repeated" message shows
};

// Judges the texts of one row's boxes. A correct element is black without a
// border, or green with one when another box of the row holds the same text; a
// wrong one is red with a border; a text that is not a number is red and keeps
// its border; an empty box is black without a border, except in the digits row,
// which leaves it as it is.
RowJudgement judgeRow(Problem p, Numbers x, const QStringList& texts);

// ---- Score ----

struct BoxMark {
    int row = 1; // problem 1 .. 8
    QString text;
    Mark mark = Mark::Black;
};

struct Tally {
    int score = 0;                             // never below 0
    int wrong = 0;                             // non-empty red boxes
    int correct = 0;                           // non-empty black boxes
    std::array<int, kProblemCount> repeated{}; // 1 for a problem with a green box
};

Tally tallyBoxes(const std::vector<BoxMark>& boxes);

// score * 100 / elements, to the nearest whole number (halves to even); no value
// while the panel shows no element.
std::optional<int> percentage(int score, int elements);

// ---- The entry grid ----

inline constexpr int kBoxCount = 60;
int firstBoxOfRow(int k);
int boxCountOfRow(int k);
int rowOfBox(int box); // 1 .. 8
// Separators beside a box (an index of the separator array).
int separatorRightOf(int box);
int separatorLeftOf(int box);

// The separator's next caption when clicked.
QString nextSeparator(const QString& caption);

// ---- What a screen reader says ----

// A problem as the pupil reads it: its description with its numbers in the
// blanks they stand over, in reading order; a number with no blank follows.
QString spokenStatement(const QString& description, const QStringList& numbers);
// Box j (from 0) of problem k's n boxes.
QString spokenBox(int k, int j, int n);
// Separator j of problem k's n + 1: before box j + 1, the last after box n.
QString spokenSeparator(int k, int j, int n);
// A judged box's verdict, by its mark; an empty box says it is empty.
QString spokenMark(Mark m, const QString& text);
// A check's outcome: how many written boxes are right, wrong and repeated.
QString spokenOutcome(const std::vector<Mark>& marks, const QStringList& texts);

} // namespace sd::expressing
