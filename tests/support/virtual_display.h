// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QProcess>

namespace qmb {

// An Xvfb of its own on the first free display, for as long as it lives.
class VirtualDisplay {
public:
    VirtualDisplay();
    ~VirtualDisplay();

    bool installed() const { return installed_; }
    bool running() const { return installed_ && problem_.isEmpty(); }
    QByteArray name() const { return ":" + number_.trimmed(); }
    const QByteArray& problem() const { return problem_; }

private:
    bool installed_ = false;
    QProcess process_;
    QByteArray number_;
    QByteArray problem_;
};

}  // namespace qmb
