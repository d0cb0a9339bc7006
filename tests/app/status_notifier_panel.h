// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QMutex>
#include <QObject>
#include <QPoint>
#include <QString>
#include <QThread>

#include <optional>
#include <vector>

namespace qmb::test {

// The watcher that tray items register with (org.kde.StatusNotifierWatcher),
// with as much of it as Qt's tray icon uses. It answers from a thread of its
// own, so that it answers while the test waits on a call of its own.
class StatusNotifierWatcher : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ hostRegistered)
public:
    // Where a registered item is on the bus.
    struct Item {
        QString service;
        QString path;
    };

    bool hostRegistered() const;
    std::optional<Item> firstItem() const;
    void AddHost();

public slots:
    void RegisterStatusNotifierItem(const QString& serviceOrPath);

signals:
    void StatusNotifierHostRegistered();

private:
    mutable QMutex mutex_;
    std::vector<Item> items_;
    bool hostRegistered_ = false;
};

// One entry of an exported menu (com.canonical.dbusmenu) as a panel reads it.
struct MenuEntry {
    int id;
    // Empty for a separator; "_" marks the mnemonic.
    QString label;
    // 1 ticked, 0 not, -1 not a check mark.
    int toggleState;
};

// A panel on a bus of the test's own: the watcher, the host that shows the
// items registered with it, and what a user does there through the host.
class StatusNotifierPanel {
public:
    explicit StatusNotifierPanel(const QString& busAddress);
    ~StatusNotifierPanel();

    // The watcher takes its name on the bus, with a host already registered
    // with it or not (a watcher that starts apart from the panel).
    bool StartWatcher(bool withHost);
    // The panel registers as the watcher's host.
    void RegisterHost();
    bool HasItem() const { return watcher_->firstItem().has_value(); }

    // What follows works on the item that registered first, once there is
    // one.
    // A left click on the item's icon, at a point of the screen.
    bool Activate(QPoint at);
    // The entries of the item's menu, as the panel reads them to draw it;
    // none when the item does not answer.
    std::vector<MenuEntry> MenuEntries();
    // The panel is about to draw the item's menu; whether the item answered.
    bool AboutToShow();
    // A click on an entry of the drawn menu.
    void Click(int id);

private:
    std::optional<QDBusMessage> CallItem(const QString& path, const QString& interface, const QString& method,
                                         const QVariantList& arguments);
    QString MenuPath();

    QString connectionName_;
    QDBusConnection bus_;
    QThread watcherThread_;
    // Lives in its thread, and goes when that ends.
    StatusNotifierWatcher* watcher_;
};

}  // namespace qmb::test
