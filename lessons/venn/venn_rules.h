#pragma once
// The Venn diagram drill's rules, free of widgets: the two sets and how the two
// "جديد" buttons step them, the answer key, which kind of diagram fits, which
// values each region of a diagram accepts, how a region's boxes are judged, and
// the score out of 5 with its star.

#include "lessons/common/rgb.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace sd::venn {

inline constexpr int kSlotsOfS = 4;
inline constexpr int kSlotsOfY = 5;
inline constexpr int kKeyEntries = 13;
inline constexpr int kBoxes = 17; // entry boxes 0 .. 16

// The two sets as the captions of their slots, in slot order (right to left on screen).
struct Pair {
    std::array<QString, kSlotsOfS> s;
    std::array<QString, kSlotsOfY> y;
    bool operator==(const Pair&) const = default;
};

// The pair the screen opens with.
Pair firstPair();

// The "جديد" beside س (Command1) and the one beside ص (Command2). Each passes
// every digit of both sets through a fixed permutation of its own, one for the
// slots of س and one for those of ص; ten presses of one button come back round.
enum class Stepper { BesideS, BesideY };

// The digit a slot takes; a caption that is not one digit stays as it is.
QString permutedS(Stepper button, const QString& digit);
QString permutedY(Stepper button, const QString& digit);
Pair stepped(const Pair& pair, Stepper button);

// Slot 1 of س, with the comma after it, is hidden while it holds "4".
bool slotOneShown(const Pair& pair);
// The elements of س the pupil sees, in slot order.
QStringList shownElementsOfS(const Pair& pair);

// Thirteen entries, each empty or one digit, in the places of the slots they come
// from: 0..3 س ∩ ص, 4..7 س − ص (by the slots of س), 8..12 ص − س (by the slots of ص).
using Key = std::array<QString, kKeyEntries>;
Key answerKey(const Pair& pair);
// Entries that are not empty once blanks are removed: the size of the union.
int filledEntries(const Key& key);

// ---- The diagram choice ----

enum class Diagram { None, Overlapping, Disjoint, Inside, Equal };

enum class ChoiceVerdict { Nothing, Right, Wrong };

// Judges a chosen diagram by the intersection entries 0..3 (1..3 while slot 1 is hidden).
ChoiceVerdict judgeChoice(Diagram chosen, const Key& key, bool slotOneShown);

// Which big shapes (Shape2) and entry boxes (Text1) each diagram shows.
struct DiagramLook {
    std::array<int, 2> shapes;
    std::vector<int> boxes;
};
const DiagramLook& lookOf(Diagram d); // d is not None

// ---- Regions and judging ----

// Where a region's correct values come from.
enum class Values { ShownS, AllY, Both, SOnly, YOnly };

struct Region {
    int first; // boxes first .. last
    int last;
    Values values;
};

// The regions of a diagram, in the order they are judged; none for the equal sets,
// which are never accepted.
std::vector<Region> regionsOf(Diagram d);

QStringList correctValues(Values values, const Pair& pair, const Key& key);

// A set label's caption that is an element: a number, not a brace or a comma.
bool readsAsNumber(const QString& caption);

enum class Mark { Unjudged, Correct, Wrong, Repeated };

// A judged box shows its mark as its colour and, under the pointer, as a tooltip;
// any other colour (the highlight, the normal colour) is unjudged.
Rgb colourOf(Mark mark); // Unjudged: black, as Correct
Mark markOfColour(Rgb colour);
QString tooltipOf(Mark mark); // empty for Unjudged

// Judges a region's boxes, given their texts in ascending order: an empty box is
// left unjudged; a text, blanks removed, that is one of the correct values is
// correct, anything else wrong (blanks only too). A correct text standing in
// another box of the same region marks both as repeated.
std::vector<Mark> judgeRegion(const QStringList& texts, const QStringList& correct);

// ---- Score and star ----

// The score fields: elements of the Label5 array.
inline constexpr int kDuplicates = 1;  // half a point per repeated box, capped
inline constexpr int kScore = 2;       // numerator, the running total meanwhile
inline constexpr int kDenominator = 3; // the number of marks, then 5
inline constexpr int kChoiceMark = 4;  // 1 until a wrong diagram choice

struct FieldWrite {
    int field;
    double value;
    bool operator==(const FieldWrite&) const = default;
};

// What "جديد" writes into the score fields, in order.
std::array<FieldWrite, 4> resetWrites();

// Every write of a score, in order, from the marks of the shown boxes in ascending
// order, the choice mark and the number of filled key entries. The star check runs
// after each write that changes a field, so the order matters: the denominator
// becomes 5 last.
std::vector<FieldWrite> scoreWrites(const std::vector<Mark>& shownBoxes, double choiceMark,
                                    int filledKeyEntries);

// 2 or more becomes 1.5, from 1 up to 2 becomes 1, below 1 becomes 0.
double capDuplicates(double d);

// A score in halves: the nearest whole (halves to even), plus a half when x is
// 0.4 or more above it.
double toHalves(double x);

// A star for a score of 4 or more once the denominator is 5.
bool earnsStar(double score, double denominator);

// ---- What a screen reader says ----

// A box of a shown diagram, by its region and its place in it ("الخانة 2 في س فقط");
// a box in no judged region (the equal sets) only says it is in the diagram.
QString spokenBox(Diagram d, int box);
// A judged box's verdict, read when the pupil reaches it; nothing for an unjudged box.
QString spokenMark(Mark m);
// The evaluation's outcome: how many written boxes are right, wrong and repeated.
QString spokenOutcome(const std::vector<Mark>& marks);

} // namespace sd::venn
