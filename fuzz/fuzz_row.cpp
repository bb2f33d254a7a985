// A row's judging and score: what a check does with the texts of a row's boxes,
// on the expressing drill and on the listing drills, fed any texts at all.

#include "fuzzinput.h"
#include "lessons/expressing/expressing_rules.h"
#include "lessons/listing/listing_rules.h"

#include <cmath>

using namespace sdfuzz;
namespace ex = sd::expressing;
namespace li = sd::listing;

namespace {

void expressingRow(Input& in) {
    const int row = 1 + in.choice(ex::kProblemCount);
    const ex::Problem p = ex::problemOfRow(row);
    ex::Numbers x = ex::designNumbers(p);
    for (int steps = in.choice(40); steps > 0; --steps)
        x = ex::step(p, x);
    const QStringList texts = in.texts(ex::boxCountOfRow(row));
    const ex::RowJudgement judged = ex::judgeRow(p, x, texts);
    require(judged.boxes.size() == size_t(texts.size()));
    std::vector<ex::BoxMark> marks;
    for (qsizetype i = 0; i < texts.size(); ++i)
        marks.push_back({row, texts[i], judged.boxes[size_t(i)].mark.value_or(ex::Mark::Black)});
    const ex::Tally tally = ex::tallyBoxes(marks);
    require(tally.score >= 0);
    ex::percentage(tally.score, int(ex::correctElements(p, x).size()));
}

void listingRow(Input& in) {
    static const li::RowScoring kScorings[] = {
        {},
        {1, {li::Adjustment::RaiseWhenEqual, 3.5, 4}, 4},
        {0.5, {li::Adjustment::CapAbove, 3, 0}, 3},
    };
    const li::RowScoring& scoring = kScorings[in.choice(3)];
    const int boxes = 1 + in.choice(8);
    QStringList lines = in.texts(boxes + 1);
    const QStringList elements = lines.takeFirst().split(u' ', Qt::SkipEmptyParts);
    const li::Judgement judged = li::judgeEntries(lines, elements);
    require(judged.marks.size() == lines.size());
    const li::RowScore score = li::scoreEntries(judged.marks, lines, scoring);
    require(std::isfinite(score.score) && score.score >= 0);
    const QString shown = li::scoreText(score.score, QStringLiteral("٫"));
    require(li::scoreValue(shown, QStringLiteral("٫")) == score.score);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Input in(data, size);
    if (in.choice(2) == 0)
        expressingRow(in);
    else
        listingRow(in);
    return 0;
}
