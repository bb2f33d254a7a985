#include "lessons/common/rewards.h"

#include "app/controls.h"

namespace sd::lessons {

namespace {

bool isSun(int index) {
    return index == 21 || index == 22 || index == 29 || index == 81;
}

} // namespace

ControlSpec rewardPicture(const RewardSpot& spot, const char* star) {
    const bool sun = isSun(spot.index);
    return {.kind = Kind::Image,
            .name = "Image1",
            .index = spot.index,
            .at = {spot.left, spot.top, sun ? 480 : 240, sun ? 480 : 225},
            .visible = spot.index == 29 || spot.index == 81,
            .picture = sun ? "sun" : star,
            .stretch = true,
            .accessibleName = sun ? "شمس" : "نجمة",
            .live = true};
}

void revealNextReward(const QList<Image*>& rewards) {
    for (int i = 0; i <= kLastReward && i < rewards.size(); ++i)
        if (rewards[i]->isHidden()) {
            rewards[i]->setVisible(true);
            return;
        }
}

} // namespace sd::lessons
