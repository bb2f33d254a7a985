#include "lessons/listing/listing_layout.h"

#include <algorithm>
#include <map>
#include <string>
#include <string_view>

namespace sd::listing {

namespace {

constexpr QRgb kWhite = 0xFFFFFF;
constexpr int kBoxWidth = 375;
constexpr int kBoxHeight = 495;
constexpr int kFrameMargin = 30; // the frame's two pixels stand outside the box
constexpr int kSeparatorWidth = 225;
constexpr int kOpenBraceWidth = 120;
constexpr int kKeyElementWidth = 180;
constexpr int kKeySignWidth = 210;
constexpr FontSpec kNumberFont{"Times New Roman", 24, true};
constexpr FontSpec kKeyFont{"Traditional Arabic", 15.75, true};

} // namespace

void addDiagramNumbers(std::vector<ControlSpec>& out, const std::vector<NumberSpot>& numbers) {
    for (int i = 0; i < int(numbers.size()); ++i) {
        const NumberSpot& n = numbers[i];
        out.push_back({.kind = Kind::Label,
                       .name = "lbl1",
                       .index = i,
                       .at = {n.left, n.top, n.width, 540},
                       .caption = n.caption,
                       .font = kNumberFont,
                       .fore = n.color,
                       .align = Align::Center});
    }
}

void addStars(std::vector<ControlSpec>& out, const std::vector<Place>& places, FontSpec font) {
    for (int i = 0; i < int(places.size()); ++i)
        out.push_back({.kind = Kind::Label,
                       .name = "Label3",
                       .index = i,
                       .at = {places[i].left, places[i].top, 255, 375},
                       .caption = "*",
                       .font = font,
                       .fore = kWhite,
                       .align = Align::Center});
}

ControlSpec rowTitle(int index, const char* caption, Tw at, FontSpec font) {
    return {.kind = Kind::Label,
            .name = "Label1",
            .index = index,
            .at = at,
            .caption = caption,
            .font = font,
            .fore = kWhite,
            .align = Align::Right,
            .wordWrap = false};
}

ControlSpec operatorPicture(const char* name, const char* picture, int left, int top, int width) {
    return {.kind = Kind::Image,
            .name = name,
            .at = {left, top, width, 540},
            .picture = picture,
            .stretch = true};
}

ControlSpec noteLabel(int index, const char* caption, Tw at, FontSpec font) {
    return {.kind = Kind::Label,
            .name = "Label2",
            .index = index,
            .at = at,
            .caption = caption,
            .font = font,
            .fore = kWhite,
            .wordWrap = false,
            .visible = false,
            .live = true};
}

std::vector<int> evenlySpaced(int left0, int count, int step) {
    std::vector<int> lefts;
    for (int k = 0; k < count; ++k)
        lefts.push_back(left0 - step * k);
    return lefts;
}

void addEntryRow(std::vector<ControlSpec>& out, const EntryRow& row) {
    const int n = int(row.lefts.size());
    const FontSpec separatorFont{"Arial", row.separatorPoints, true};
    const auto topOf = [&row](int p) { return p < int(row.tops.size()) ? row.tops[p] : row.top; };
    // A flat box draws a black line, lost on the black rows: a frame behind every
    // box shows the pupil where the boxes are, and sets the current one apart.
    for (int p = 0; p < n; ++p)
        out.push_back({.kind = Kind::Shape,
                       .name = boxFrameName(row.boxes),
                       .index = row.first + p,
                       .at = {row.lefts[p] - kFrameMargin, topOf(p) - kFrameMargin,
                              kBoxWidth + 2 * kFrameMargin, kBoxHeight + 2 * kFrameMargin},
                       .borderColor = 0x707070,
                       .borderWidth = 2});
    for (int p = 0; p < n; ++p)
        out.push_back({.kind = Kind::TextBox,
                       .name = row.boxes,
                       .index = row.first + p,
                       .at = {row.lefts[p], topOf(p), kBoxWidth, kBoxHeight},
                       .caption = "",
                       .font = FontSpec{"Arial", 20.25, true},
                       .fore = kWhite,
                       .back = 0x000000,
                       .align = Align::Center,
                       .borderStyle = 1,
                       .appearance = 0,
                       .maxLength = 1,
                       .tabIndex = row.tabIndex + p,
                       .accessibleName = row.spoken});
    // The separator after box k-1 fills the gap up to box k's right edge.
    for (int k = 0; k <= n; ++k) {
        int left = 0;
        int width = kSeparatorWidth;
        if (k == 0) {
            // Narrow, so that it keeps clear of the row's title, and clear of box 0's frame.
            left = row.lefts[0] + kBoxWidth + kFrameMargin;
            width = kOpenBraceWidth;
        } else if (k < n) {
            left = row.lefts[k] + kBoxWidth;
            width = std::max(0, row.lefts[k - 1] - left);
        } else {
            left = row.lefts[n - 1] - kSeparatorWidth;
        }
        out.push_back({.kind = Kind::Label,
                       .name = "lbl11",
                       .index = row.separatorBase + k,
                       .at = {left, row.top, width, kBoxHeight},
                       .caption = k == 0 ? "{" : "،",
                       .font = separatorFont,
                       .fore = kWhite,
                       .align = k == 0 ? Align::Left : Align::Center,
                       .wordWrap = false,
                       .tooltip = k == 0 ? nullptr : row.commaTooltip});
    }
}

void pressDiagramAndSeparators(std::vector<ControlSpec>& out, int tabIndex) {
    markPressable(out, "lbl1", tabIndex, "رقم من الشكل");
    markPressable(out, "lbl11", tabIndex, "فاصل");
}

void placeDiagramNumbers(std::vector<ControlSpec>& out, const std::vector<const char*>& regions) {
    // Layout tables keep plain C names: each spoken name is made once and kept.
    static std::map<std::string, std::string> spoken;
    for (ControlSpec& c : out)
        if (std::string_view(c.name) == "lbl1" && c.index >= 0 && c.index < int(regions.size())) {
            auto [it, added] = spoken.try_emplace(regions[size_t(c.index)]);
            if (added)
                it->second = std::string("%1، ") + regions[size_t(c.index)];
            c.accessibleName = it->second.c_str();
        }
}

const char* boxFrameName(const char* boxes) {
    // Layout tables keep plain C names: each frame name is made once and kept.
    static std::map<std::string, std::string> names;
    auto [it, added] = names.try_emplace(boxes);
    if (added)
        it->second = std::string(boxes) + "Frame";
    return it->second.c_str();
}

std::vector<KeyPart> rosterKey(const char* open, const char* comma, const char* close,
                               const std::vector<int>& numbers, const std::vector<KeySign>& signs) {
    std::vector<KeyPart> parts{{.caption = open}};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (i > 0)
            parts.push_back({.caption = comma});
        parts.push_back({.number = numbers[i]});
    }
    parts.push_back({.caption = close});
    // Only signs are replaced: an element always copies its diagram number.
    for (const KeySign& sign : signs)
        if (sign.position >= 0 && sign.position < int(parts.size()) && parts[sign.position].number < 0)
            parts[sign.position].caption = sign.caption;
    return parts;
}

void addAnswerKey(std::vector<ControlSpec>& out, const char* name, int first,
                  const std::vector<KeyPart>& parts, int left, int top,
                  const std::vector<NumberSpot>& numbers) {
    // Narrow boxes, so that the longest key (a union of seven) stays inside the rows'
    // frame; the load packs them tight from the stored left edge going left.
    int at = left;
    for (int i = 0; i < int(parts.size()); ++i) {
        const KeyPart& part = parts[i];
        const bool element = part.number >= 0 && part.number < int(numbers.size());
        const int width = element ? kKeyElementWidth : kKeySignWidth;
        if (i > 0)
            at -= width;
        out.push_back({.kind = Kind::Label,
                       .name = name,
                       .index = first + i,
                       .at = {at, top, width, 495},
                       .caption = element ? numbers[part.number].caption : part.caption,
                       .font = kKeyFont,
                       .fore = element ? numbers[part.number].color : kWhite,
                       .align = Align::Center,
                       .wordWrap = false,
                       .visible = false});
    }
}

} // namespace sd::listing
