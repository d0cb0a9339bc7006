#pragma once

#include <QColor>
#include <QDialog>

namespace qmb {

// What every dialog of the program shares: a caption-less pop-up, 95 %
// opaque, moved by dragging its body, its lists and fields on the light
// lilac of the control box, its labels in the program's blue
// (ColorStatic::SetLabelColor) and its group titles in GroupFrame's.
class SkinnedDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kOpacityPercent = 95;
    static constexpr int kFontPixels = 10;
    // A pixel less in the lists, whose closed boxes are the tightest place.
    static constexpr int kListFontPixels = 9;
    static inline const QColor kControlBackground{220, 220, 240};
    static inline const QColor kLabelColour{50, 112, 205};

    explicit SkinnedDialog(QWidget* parent = nullptr);

protected:
    // Colours the lists and fields made so far; a dialog calls it once it
    // has built them.
    void ApplyControlColours();
};

}  // namespace qmb
