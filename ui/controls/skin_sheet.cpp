// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

// skin_sheet OUTPUT.png: every skin, in English and Korean, at 1x and 2x, and
// the control box put together from them, on one picture to look at.

#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <QPainter>

#include <array>
#include <cstdio>
#include <utility>

#include "ui/controls/language.h"
#include "ui/controls/skin_catalog.h"
#include "ui/controls/skin_layout.h"
#include "ui/controls/skin_library.h"

namespace qmb {
namespace {

constexpr int kMargin = 16;
constexpr int kGap = 12;
constexpr int kCaptionHeight = 16;
const QColor kSheetColour(0x80, 0x84, 0x8a);

struct FaceOnPanel {
    int controlId;
    int normalSkin;
    int pressedSkin;
};

// Which faces the window puts over which controls. The mode buttons show
// their filled dot when their mode is on.
constexpr std::array<FaceOnPanel, 4> kButtonFaces{{
    {1017, 132, 131},
    {1062, 139, 140},
    {1063, 135, 138},
    {1069, 147, 147},
}};

enum class Mode { Button, Function };

struct ModeFaces {
    int normalButton;
    int functionButton;
};

ModeFaces FacesFor(Mode mode)
{
    return mode == Mode::Button ? ModeFaces{167, 168} : ModeFaces{166, 169};
}

QRect PlacementRect(int controlId, Language language)
{
    for (const SkinPlacement& placement : kSkinPlacements) {
        if (placement.controlId == controlId) {
            const SkinRect& r = ForLanguage(language, placement.english, placement.korean);
            return {r.x, r.y, r.width, r.height};
        }
    }
    return {};
}

// A pixmap drawn one device pixel per sheet pixel, whatever its ratio.
void DrawDevicePixels(QPainter& painter, QPoint at, QPixmap pixmap)
{
    pixmap.setDevicePixelRatio(1.0);
    painter.drawPixmap(at, pixmap);
}

void DrawCaption(QPainter& painter, QPoint at, const QString& text)
{
    painter.setPen(Qt::white);
    painter.drawText(at + QPoint(0, kCaptionHeight - 4), text);
}

QPixmap ComposePanel(int background, Language language, qreal ratio, Mode mode, bool pressed, bool outlines)
{
    const QSize panelSize = SkinSize(background);
    QPixmap panel(panelSize * ratio);
    panel.setDevicePixelRatio(ratio);
    panel.fill(Qt::transparent);
    QPainter painter(&panel);
    painter.drawPixmap(0, 0, RenderSkin(background, panelSize, ratio));
    const ModeFaces modeFaces = FacesFor(mode);
    const std::array<std::pair<int, int>, 2> modeButtons{{{1109, modeFaces.normalButton},
                                                          {1110, modeFaces.functionButton}}};
    for (const auto& [controlId, skin] : modeButtons) {
        const QRect rect = PlacementRect(controlId, language);
        painter.drawPixmap(rect.topLeft(), RenderSkin(skin, rect.size(), ratio));
    }
    for (const FaceOnPanel& face : kButtonFaces) {
        const QRect rect = PlacementRect(face.controlId, language);
        painter.drawPixmap(rect.topLeft(), RenderSkin(pressed ? face.pressedSkin : face.normalSkin, rect.size(), ratio));
    }
    if (outlines) {
        painter.setPen(QPen(QColor(255, 0, 255, 160), 0));
        for (const SkinPlacement& placement : kSkinPlacements) {
            const SkinRect& r = ForLanguage(language, placement.english, placement.korean);
            painter.drawRect(QRectF(r.x + 0.25, r.y + 0.25, r.width - 0.5, r.height - 0.5));
        }
    }
    return panel;
}

struct FaceControl {
    int skin;
    int controlId;
};

constexpr std::array<FaceControl, 11> kFaceControls{{
    {132, 1017}, {131, 1017}, {139, 1062}, {140, 1062}, {135, 1063}, {138, 1063},
    {147, 1069}, {166, 1109}, {167, 1109}, {168, 1110}, {169, 1110},
}};

QSize ControlSizeOf(int skin, Language language)
{
    for (const FaceControl& face : kFaceControls) {
        if (face.skin == skin) {
            return PlacementRect(face.controlId, language).size();
        }
    }
    return SkinSize(skin);
}

int DrawLanguage(QPainter& painter, int top, Language language)
{
    QLocale::setDefault(ForLanguage(language, QLocale(QLocale::English), QLocale(QLocale::Korean, QLocale::SouthKorea)));
    int y = top;
    DrawCaption(painter, {kMargin, y}, ForLanguage(language, QStringLiteral("English"), QStringLiteral("Korean")));
    y += kCaptionHeight + 4;

    int x = kMargin;
    for (int background : {129, 170}) {
        DrawCaption(painter, {x, y}, QStringLiteral("%1 at 1x").arg(background));
        DrawDevicePixels(painter, {x, y + kCaptionHeight}, RenderSkin(background, SkinSize(background), 1.0));
        x += SkinSize(background).width() + kGap;
        DrawCaption(painter, {x, y}, QStringLiteral("%1 with its faces, 1x").arg(background));
        DrawDevicePixels(painter, {x, y + kCaptionHeight},
                         ComposePanel(background, language, 1.0, Mode::Button, false, false));
        x += SkinSize(background).width() + kGap;
    }
    y += kCaptionHeight + 111 + kGap;

    x = kMargin;
    DrawCaption(painter, {x, y}, QStringLiteral("129 at 2x, button mode"));
    DrawDevicePixels(painter, {x, y + kCaptionHeight}, ComposePanel(129, language, 2.0, Mode::Button, false, false));
    x += 800 + kGap;
    DrawCaption(painter, {x, y}, QStringLiteral("170 at 2x, function mode, faces pressed"));
    DrawDevicePixels(painter, {x, y + kCaptionHeight}, ComposePanel(170, language, 2.0, Mode::Function, true, false));
    y += kCaptionHeight + 222 + kGap;

    x = kMargin;
    DrawCaption(painter, {x, y}, QStringLiteral("129 at 2x, widget rectangles"));
    DrawDevicePixels(painter, {x, y + kCaptionHeight}, ComposePanel(129, language, 2.0, Mode::Function, false, true));
    x += 800 + kGap;

    DrawCaption(painter, {x, y}, QStringLiteral("faces: on their control at 1x, 2x; native size"));
    int faceY = y + kCaptionHeight;
    int faceX = x;
    for (const SkinEntry& skin : kSkinCatalog) {
        if (skin.bitmapId == 129 || skin.bitmapId == 170) {
            continue;
        }
        const QSize onControl = ControlSizeOf(skin.bitmapId, language);
        if (faceX + 190 > x + 800) {
            faceX = x;
            faceY += 56;
        }
        painter.setPen(Qt::white);
        painter.drawText(faceX, faceY + 12, QString::number(skin.bitmapId));
        DrawDevicePixels(painter, {faceX + 28, faceY}, RenderSkin(skin.bitmapId, onControl, 1.0));
        DrawDevicePixels(painter, {faceX + 28, faceY + 20}, RenderSkin(skin.bitmapId, onControl, 2.0));
        DrawDevicePixels(painter, {faceX + 28 + 2 * onControl.width() + 6, faceY + 20},
                         RenderSkin(skin.bitmapId, SkinSize(skin.bitmapId), 1.0));
        faceX += 200;
    }
    return y + kCaptionHeight + 222 + kGap;
}

int DrawIcons(QPainter& painter, int top)
{
    DrawCaption(painter, {kMargin, top}, QStringLiteral("program icon on dark and light"));
    const QIcon icon = ProgramIcon();
    int x = kMargin;
    const int y = top + kCaptionHeight;
    for (int side : {16, 22, 24, 32, 48, 64, 128}) {
        painter.fillRect(QRect(x, y, side + 8, side + 8), QColor(0x20, 0x22, 0x26));
        painter.drawPixmap(x + 4, y + 4, icon.pixmap(side, side));
        painter.fillRect(QRect(x, y + side + 10, side + 8, side + 8), QColor(0xf0, 0xf0, 0xf0));
        painter.drawPixmap(x + 4, y + side + 14, icon.pixmap(side, side));
        x += side + 16;
    }
    return y + 2 * 128 + 20;
}

QImage DrawSheet()
{
    QImage sheet(2 * kMargin + 1600 + kGap, 1700, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(kSheetColour);
    QPainter painter(&sheet);
    int y = kMargin;
    y = DrawLanguage(painter, y, Language::English);
    y = DrawLanguage(painter, y, Language::Korean);
    y = DrawIcons(painter, y);
    painter.end();
    return sheet.copy(0, 0, sheet.width(), y + kMargin);
}

}  // namespace
}  // namespace qmb

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: skin_sheet OUTPUT.png\n");
        return 2;
    }
    if (!qmb::DrawSheet().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "skin_sheet: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
