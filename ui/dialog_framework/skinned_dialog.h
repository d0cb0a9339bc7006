// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>
#include <QDialog>

#include "ui/controls/language.h"

class QComboBox;

namespace qmb {

class ColorStatic;
class GroupFrame;
class SkinButton;

// What every dialog of the program shares: a caption-less pop-up, 95 %
// opaque, moved by dragging its body, its lists and fields on the light
// lilac of the control box, its labels in the program's blue and its group
// titles in GroupFrame's, and the controls its template is made of.
class SkinnedDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kOpacityPercent = 95;
    // One size for every control but the group titles: the largest at
    // which the longest entries fit the narrowest lists.
    static constexpr int kFontPixels = 9;
    static inline const QColor kControlBackground{220, 220, 240};
    static inline const QColor kLabelColour{50, 112, 205};
    static inline const QColor kTipText{255, 255, 255};

    explicit SkinnedDialog(Language language, QWidget* parent = nullptr);

    // A control by its template id.
    SkinButton* button(int id) const;
    QComboBox* list(int id) const;

protected:
    // Enter does what the dialog's confirming button does, never a close
    // that drops what was typed; Escape closes it, saving nothing.
    void keyPressEvent(QKeyEvent* event) override;
    // What Enter does with `focus` holding the keyboard focus.
    virtual void OnEnter(QWidget* focus) = 0;

    GroupFrame* AddGroup(const QString& title);
    ColorStatic* AddLabel(const QString& text);
    QComboBox* AddList();
    // A tip in the program's colours; none keeps "Click Here!".
    SkinButton* AddButton(const QString& caption, const QString& tip = {});
    // Once a dialog has built its controls: colours its lists and fields
    // and sets them in the dialog's font, names each by its label and its
    // window by its first group's title, and lets Tab walk them as they are
    // read. A dialog whose reading order is not its rows' orders them after.
    void FinishControls();

    void showEvent(QShowEvent* event) override;
};

}  // namespace qmb
