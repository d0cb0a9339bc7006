// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>

namespace qmb {

// Where the control box's widgets sit on its 400 x 111 background, in
// pixels. The backgrounds' frames, boxes, tracks and fields are drawn to
// line up with these rectangles.
struct SkinRect {
    int x;
    int y;
    int width;
    int height;
};

struct SkinPlacement {
    int controlId;
    SkinRect korean;
    SkinRect english;
};

inline constexpr std::array<SkinPlacement, 15> kSkinPlacements{{
    {1109, {11, 8, 34, 16}, {11, 8, 34, 16}},     // "Normal" mode button
    {1110, {55, 8, 37, 16}, {55, 8, 37, 16}},     // "Function" mode button
    {1010, {115, 11, 15, 11}, {130, 11, 15, 11}}, // auto-click check box
    {1063, {131, 8, 52, 15}, {144, 8, 52, 15}},   // "Sequence"
    {1009, {188, 11, 15, 11}, {204, 11, 15, 11}}, // web-site check box
    {1062, {204, 8, 50, 15}, {220, 8, 50, 15}},   // "PassWord"
    {1017, {267, 8, 52, 15}, {283, 8, 37, 15}},   // "Edit"
    {1106, {322, 8, 18, 15}, {322, 8, 18, 15}},   // help, over the painted "?"
    {1069, {342, 8, 18, 15}, {342, 8, 18, 15}},   // close mark
    {1011, {55, 33, 178, 14}, {55, 33, 178, 14}}, // resolution slider
    {1012, {55, 56, 178, 14}, {55, 56, 178, 14}}, // interval slider
    {1006, {245, 33, 45, 11}, {245, 33, 45, 11}}, // resolution label field
    {1007, {245, 55, 45, 11}, {245, 55, 45, 11}}, // interval label field
    {1088, {298, 29, 62, 16}, {298, 29, 62, 16}}, // site-title drop-down
    {1008, {298, 51, 62, 16}, {298, 51, 62, 16}}, // profile drop-down
}};

inline constexpr int kSliderThumbWidth = 14;

// The x of the thumb's centre at step `index` of `count` steps on a slider
// `sliderWidth` wide that starts at `sliderX`; the background's tick marks
// sit there. The thumb's offset is rounded half up, as QStyle places it.
constexpr int SliderTickX(int sliderX, int sliderWidth, int index, int count)
{
    const int span = sliderWidth - kSliderThumbWidth;
    const int steps = count - 1;
    if (steps < 1) {
        return sliderX + kSliderThumbWidth / 2;
    }
    return sliderX + kSliderThumbWidth / 2 + (2 * index * span + steps) / (2 * steps);
}

}  // namespace qmb
