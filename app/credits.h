#pragma once
// What the screens say about the program itself: its name, the title bar, the
// credit and the contact line. The wording is the program's own, not the lessons'.

#include "app/buildinfo.h"

namespace sd {

// The program's name as the pupil reads it: the menu's heading, the About box,
// the title of the About box's message.
inline constexpr const char* kProgramName = SETSDRILL_TITLE; // "تمارين المجموعات", from the build

// The title bar of every screen but the About box: subject, credit and contact.
inline constexpr const char* kTitleBar =
    "تمارين المجموعات — إعداد: فريق تمارين المجموعات — للملاحظات: معلم الرياضيات في مدرستك";

// The two lines under the menu's exit button and in every lesson's exit corner.
inline constexpr const char* kCreditLine = "إعداد: فريق المجموعات";
inline constexpr const char* kContactLine = "للملاحظات والاقتراحات: معلم الرياضيات";

} // namespace sd
