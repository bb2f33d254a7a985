#include "lessons/common/lesson_layout.h"

#include "app/credits.h"

namespace sd::lessons {

namespace {

constexpr int kFrameMargin = 60;

ControlSpec cornerLabel(const CornerLine& line, const char* programLine, bool visible) {
    return {.kind = Kind::Label,
            .name = line.name,
            .index = line.index,
            .at = line.at,
            .caption = line.caption ? line.caption : programLine,
            .font = line.font,
            .fore = line.fore,
            .align = line.align,
            .wordWrap = false,
            .visible = visible};
}

} // namespace

void addExitCorner(std::vector<ControlSpec>& out, const ExitCorner& corner) {
    const Tw& b = corner.exit;
    out.push_back({.kind = Kind::Shape,
                   .name = corner.frameName,
                   .at = {b.left - kFrameMargin, b.top - kFrameMargin, b.width + 2 * kFrameMargin,
                          b.height + 2 * kFrameMargin},
                   .back = corner.frameBack,
                   .opaque = corner.frameBack.has_value(),
                   .shape = ShapeKind::RoundedRectangle,
                   .borderColor = corner.frameBorder,
                   .borderWidth = corner.frameBorderWidth,
                   .fill = corner.frameFill ? Fill::Solid : Fill::Transparent,
                   .fillColor = corner.frameFill});
    out.push_back({.kind = Kind::Button,
                   .name = "Command12",
                   .at = b,
                   .caption = "خروج",
                   .font = corner.exitFont,
                   .back = corner.exitBack,
                   .picture = corner.exitPicture,
                   .tabIndex = corner.tabIndex});
    out.push_back(cornerLabel(corner.credit, kCreditLine, false));
    out.push_back(cornerLabel(corner.contact, kContactLine, true));
}

} // namespace sd::lessons
