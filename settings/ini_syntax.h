// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArrayView>

namespace qmb::settings {

// Whether QSettings takes in every line of an INI text as it stands: valid
// UTF-8 without control bytes, and each line a [section], a key=value with
// balanced quotes, a ;comment or blank. A file that fails loses lines at the
// next save, since QSettings writes back only what it understood: a quote
// left open swallows the lines after it, and lines without '=' vanish.
// Every file QSettings writes passes.
bool EveryLineUnderstood(QByteArrayView text);

}  // namespace qmb::settings
