// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>
#include <QString>
#include <QTimer>
#include <QWidget>

namespace qmb {

inline constexpr QColor kFailureNoticeColour(200, 0, 0);
inline constexpr QColor kSignInNoticeColour(50, 112, 205);
inline constexpr int kNoticeMilliseconds = 1000;

// A line of large letters floating above every window: the window's shape is
// the letters themselves, so presses between them reach the window below.
// It never takes the focus and, once its time is up, hides and deletes
// itself.
class NoticePopup final : public QWidget {
    Q_OBJECT

public:
    NoticePopup();

    // Shows text (already cut to its line) in colour, or nothing when no
    // pixel of it would be visible, and (re)starts the time after which the
    // popup goes away.
    void Present(const QString& line, QColor colour, int milliseconds);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Expire();

    QColor noticeColour;
    QTimer expiry;
};

// Shows text (its first kNoticeMaxCharacters characters) in colour, centred
// on the primary screen, for the given milliseconds. A notice still up is
// replaced, its time starting again. Call it on the GUI thread.
void ShowNotice(const QString& text, QColor colour, int milliseconds);

// The red notice of a second that tells of something that did not work.
void ShowFailureNotice(const QString& text);

}  // namespace qmb
