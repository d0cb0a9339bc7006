#include <QWidget>

#include <gtest/gtest.h>

#include "app/window_options.h"

namespace qmb {
namespace {

TEST(WindowOptions, OpacityPercentBecomesTruncatedAlpha)
{
    QWidget window;
    for (const auto& [percent, alpha] : std::vector<std::pair<int, int>>{{95, 242}, {100, 255}, {0, 0}, {50, 127}}) {
        SetWindowOpacity(percent, &window);
        EXPECT_EQ(OpacityAlpha(percent), alpha);
        EXPECT_EQ(qRound(window.windowOpacity() * 255), alpha) << percent;
    }
}

TEST(WindowOptions, TopmostKeepsAShownWindowShownWhereItWas)
{
    QWidget window;
    window.move(40, 30);
    window.show();
    SetTopmost(&window, true);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(window.pos(), QPoint(40, 30));
    SetTopmost(&window, false);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowStaysOnTopHint);
}

}  // namespace
}  // namespace qmb
