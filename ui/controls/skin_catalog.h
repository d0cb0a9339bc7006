// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>

namespace qmb {

// Every skin picture by the number the window asks for it with, and its
// native size in pixels.
struct SkinEntry {
    int bitmapId;
    int width;
    int height;
};

inline constexpr std::array<SkinEntry, 13> kSkinCatalog{{
    {129, 400, 111},  // panel, 11-step resolution model
    {170, 400, 111},  // panel, 3-step resolution model
    {132, 57, 22},    // "Edit", normal
    {131, 57, 22},    // "Edit", pressed
    {139, 57, 22},    // "PassWord", normal
    {140, 57, 22},    // "PassWord", pressed
    {135, 57, 22},    // "Sequence", normal
    {138, 57, 22},    // "Sequence", pressed
    {147, 21, 21},    // close mark
    {166, 44, 24},    // "Normal", empty radio dot
    {167, 44, 24},    // "Normal", filled radio dot
    {168, 57, 23},    // "Function", empty radio dot
    {169, 57, 23},    // "Function", filled radio dot
}};

}  // namespace qmb
