// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

namespace qmb {

// The language the windows speak: the layouts, captions and pictures of
// each differ, not only the texts.
enum class Language { English, Korean };

// What a window shows in `language`, of the two it has.
template <typename T>
const T& ForLanguage(Language language, const T& english, const T& korean)
{
    return language == Language::Korean ? korean : english;
}

}  // namespace qmb
