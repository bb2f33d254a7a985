#pragma once
// The reward field two lessons share: Image1(0..80) revealed one by one, in
// index order, as the pupil earns them; 21, 22, 29 and 81 are suns, the rest
// stars, and 29 and 81 are shown from the start.

#include "app/layout.h"

#include <QList>

namespace sd {
class Image;
}

namespace sd::lessons {

inline constexpr int kLastReward = 80; // Image1(81) stands outside the sequence

struct RewardSpot {
    int index;
    int left;
    int top;
};

// The reward picture at `spot`: a sun, or a star showing the picture `star`.
ControlSpec rewardPicture(const RewardSpot& spot, const char* star);

// Shows the first hidden reward of the sequence; nothing once all are shown.
void revealNextReward(const QList<Image*>& rewards);

} // namespace sd::lessons
