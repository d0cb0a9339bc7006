// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

// Marks a name that the windows show translated. protocol/ has no Qt: the
// compiler sees only the text, and Qt's translation tools read the mark as
// QT_TRANSLATE_NOOP(context, text).
#define QMB_TRANSLATABLE(context, text) text
