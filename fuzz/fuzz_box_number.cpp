// A box's number: every rule that reads a number out of what a pupil typed or a
// caption holds, fed any text at all.

#include "fuzzinput.h"
#include "lessons/common/lesson_rules.h"
#include "lessons/expressing/expressing_rules.h"
#include "lessons/listing/listing_rules.h"
#include "lessons/membership/membership_rules.h"
#include "lessons/venn/venn_rules.h"

using namespace sdfuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = Input(data, size).rest();
    for (int row = 1; row <= sd::expressing::kProblemCount; ++row) {
        const auto p = sd::expressing::problemOfRow(row);
        sd::expressing::judge(p, sd::expressing::designNumbers(p), text);
    }
    if (const auto v = sd::expressing::readNumber(text))
        sd::lessons::nearestEven(*v);
    sd::membership::numberOf(text);
    sd::venn::readsAsNumber(text);
    for (const QString& point : {QStringLiteral("."), QStringLiteral("٫"), QStringLiteral(",")}) {
        sd::venn::numberValue(text, point);
        sd::listing::scoreValue(text, point);
    }
    return 0;
}
