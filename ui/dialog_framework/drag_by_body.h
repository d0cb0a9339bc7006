// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QPoint>

#include <optional>

class QWidget;

namespace qmb {

// Lets a window without a title bar be moved by dragging its body: a left
// press on the window itself (not on one of its controls) becomes a move
// of the window, by the window manager where it offers one.
class DragByBody : public QObject {
    Q_OBJECT
public:
    // Lives as long as `window`.
    static void Install(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit DragByBody(QWidget& window);

    QWidget& window_;
    std::optional<QPoint> grabbedAt_;
};

}  // namespace qmb
