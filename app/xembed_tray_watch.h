// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

#include <cstdint>

namespace qmb {

// Hears an X11 tray of the older kind (XEmbed) start on the program's
// display: its manager tells every client with a MANAGER message on the
// root window once it owns the tray selection. Nothing is polled, so the
// program sleeps until then however late the tray comes. Elsewhere than on
// X11 it hears nothing.
class XEmbedTrayWatch : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    explicit XEmbedTrayWatch(QObject* parent = nullptr);

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

signals:
    // A tray manager announced itself; it may be for another screen.
    void trayAnnounced();

private:
    uint32_t managerAtom_ = 0;
};

}  // namespace qmb
