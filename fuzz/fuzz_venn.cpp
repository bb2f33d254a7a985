// The Venn evaluation: every region of the chosen diagram judged from whatever
// its boxes hold, then the score written, as "تقويم" does.

#include "fuzzinput.h"
#include "lessons/venn/venn_rules.h"

#include <cmath>

using namespace sdfuzz;
namespace vn = sd::venn;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Input in(data, size);
    vn::Pair pair = vn::firstPair();
    for (int presses = in.choice(20); presses > 0; --presses)
        pair = vn::stepped(pair, in.choice(2) ? vn::Stepper::BesideS : vn::Stepper::BesideY);
    const auto diagram = vn::Diagram(1 + in.choice(4));
    const double choiceMark = in.choice(2);
    const vn::Key key = vn::answerKey(pair);
    const QStringList boxes = in.texts(vn::kBoxes);
    std::vector<vn::Mark> marks;
    for (const vn::Region& region : vn::regionsOf(diagram)) {
        const QStringList texts = boxes.mid(region.first, region.last - region.first + 1);
        const std::vector<vn::Mark> judged =
            vn::judgeRegion(texts, vn::correctValues(region.values, pair, key));
        require(judged.size() == size_t(texts.size()));
        marks.insert(marks.end(), judged.begin(), judged.end());
    }
    for (const vn::FieldWrite& write : vn::scoreWrites(marks, choiceMark, vn::filledEntries(key))) {
        require(std::isfinite(write.value));
        for (const QString& point : {QStringLiteral("."), QStringLiteral("٫")})
            require(vn::numberValue(vn::numberText(write.value, point), point) == write.value);
    }
    return 0;
}
