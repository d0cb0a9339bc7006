// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>
#include <QPushButton>

#include <optional>

namespace qmb {

// The push button of every dialog: a white rounded face with a bold
// caption that greys while the pointer is over it, a hand cursor, and a
// coloured tooltip ("Click Here!" until SetTooltip). Pressed, it looks as
// it does unpressed. Its corners take the colour of the dialog beneath its
// centre, sampled once, so it sits on any plain background.
class SkinButton : public QPushButton {
    Q_OBJECT
public:
    static inline const QColor kFace{255, 255, 255};
    static inline const QColor kCaption{0, 0, 140};
    static inline const QColor kHoverCaption{102, 102, 102};
    static constexpr int kCornerSize = 12;

    explicit SkinButton(QWidget* parent = nullptr);

    // An empty text turns the tooltip off.
    void SetTooltip(const QString& text, const QColor& background, const QColor& textColour);

    bool hovered() const { return hovered_; }
    // What the corners show; the dialog's colour once the button has been
    // shown.
    QColor background() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void SetHovered(bool hovered);
    // The caption's font for a face with `space` inside its frame.
    QFont CaptionFont(const QSizeF& space) const;

    bool hovered_ = false;
    bool held_ = false;
    std::optional<QColor> background_;
};

}  // namespace qmb
