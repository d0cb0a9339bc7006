// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "ui/controls/skin_library.h"

#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

#include <algorithm>
#include <array>
#include <cmath>

#include "ui/controls/skin_catalog.h"

// Resources of a static library are registered only when something names
// them, and Q_INIT_RESOURCE must be used outside any namespace.
static void RegisterSkinResources()
{
    Q_INIT_RESOURCE(skins);
}

namespace qmb {

namespace {

// Far beyond any screen; keeps a wild size from asking for gigabytes.
constexpr int kMaxDeviceSide = 8192;

constexpr std::array<int, 8> kIconSizes{16, 22, 24, 32, 48, 64, 128, 256};

void EnsureResources()
{
    static const bool registered = [] {
        RegisterSkinResources();
        return true;
    }();
    Q_UNUSED(registered);
}

const SkinEntry* FindSkin(int bitmapId)
{
    const auto* entry = std::find_if(kSkinCatalog.begin(), kSkinCatalog.end(),
                                     [bitmapId](const SkinEntry& skin) { return skin.bitmapId == bitmapId; });
    return entry == kSkinCatalog.end() ? nullptr : entry;
}

// The resource system picks the Korean file under the same name by itself;
// the cache has to tell the two apart.
QString LanguageTag()
{
    return QLocale().language() == QLocale::Korean ? QStringLiteral("ko") : QStringLiteral("en");
}

QPixmap RenderSvg(const QString& path, const QSize& deviceSize)
{
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) {
        return {};
    }
    QImage image(deviceSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(deviceSize)));
    painter.end();
    return QPixmap::fromImage(image);
}

}  // namespace

QSize SkinSize(int bitmapId)
{
    const SkinEntry* skin = FindSkin(bitmapId);
    return skin == nullptr ? QSize() : QSize(skin->width, skin->height);
}

QPixmap RenderSkin(int bitmapId, const QSize& logicalSize, qreal devicePixelRatio)
{
    if (FindSkin(bitmapId) == nullptr || logicalSize.isEmpty() || !std::isfinite(devicePixelRatio) ||
        devicePixelRatio <= 0) {
        return {};
    }
    const qreal width = std::round(logicalSize.width() * devicePixelRatio);
    const qreal height = std::round(logicalSize.height() * devicePixelRatio);
    if (width < 1 || height < 1 || width > kMaxDeviceSide || height > kMaxDeviceSide) {
        return {};
    }
    const QSize deviceSize(static_cast<int>(width), static_cast<int>(height));

    const QString key = QStringLiteral("qmb-skin/%1/%2x%3@%4/%5")
                            .arg(bitmapId)
                            .arg(logicalSize.width())
                            .arg(logicalSize.height())
                            .arg(devicePixelRatio, 0, 'g', 6)
                            .arg(LanguageTag());
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap)) {
        return pixmap;
    }
    EnsureResources();
    pixmap = RenderSvg(QStringLiteral(":/skins/%1.svg").arg(bitmapId), deviceSize);
    if (pixmap.isNull()) {
        return {};
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

QIcon ProgramIcon()
{
    EnsureResources();
    QIcon icon;
    for (int side : kIconSizes) {
        const QPixmap pixmap = RenderSvg(QStringLiteral(":/icons/qmbpro.svg"), QSize(side, side));
        if (!pixmap.isNull()) {
            icon.addPixmap(pixmap);
        }
    }
    return icon;
}

}  // namespace qmb
