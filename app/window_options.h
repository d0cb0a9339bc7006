#pragma once

class QWidget;

namespace qmb {

// Alpha of 255 for an opacity in percent, truncated: 95 gives 242.
int OpacityAlpha(int percent);

// Makes a window slightly translucent, as every dialog of the program is.
void SetWindowOpacity(int percent, QWidget* window);

// Keeps a window above the others, or not, without moving it.
void SetTopmost(QWidget* window, bool topmost);

}  // namespace qmb
