// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "tests/app/status_notifier_panel.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace qmb::test {

namespace {

const QString kWatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kWatcherPath = QStringLiteral("/StatusNotifierWatcher");
const QString kItemInterface = QStringLiteral("org.kde.StatusNotifierItem");
const QString kMenuInterface = QStringLiteral("com.canonical.dbusmenu");
constexpr int kReplyWait = 5000;

// A menu entry: (id, properties, children), its children left unread.
MenuEntry ReadEntry(const QDBusArgument& layout)
{
    int id = 0;
    QVariantMap properties;
    QVariantList children;
    layout.beginStructure();
    layout >> id >> properties >> children;
    layout.endStructure();
    return {id, properties.value("label").toString(),
            properties.value("toggle-type").toString() == "checkmark" ? properties.value("toggle-state").toInt() : -1};
}

}  // namespace

bool StatusNotifierWatcher::hostRegistered() const
{
    const QMutexLocker lock(&mutex_);
    return hostRegistered_;
}

std::optional<StatusNotifierWatcher::Item> StatusNotifierWatcher::firstItem() const
{
    const QMutexLocker lock(&mutex_);
    if (items_.empty()) {
        return std::nullopt;
    }
    return items_.front();
}

void StatusNotifierWatcher::AddHost()
{
    {
        const QMutexLocker lock(&mutex_);
        hostRegistered_ = true;
    }
    emit StatusNotifierHostRegistered();
}

void StatusNotifierWatcher::RegisterStatusNotifierItem(const QString& serviceOrPath)
{
    const QMutexLocker lock(&mutex_);
    // An item names its service, or only its path on the caller's own.
    if (serviceOrPath.startsWith('/')) {
        items_.push_back({message().service(), serviceOrPath});
    } else {
        items_.push_back({serviceOrPath, QStringLiteral("/StatusNotifierItem")});
    }
}

StatusNotifierPanel::StatusNotifierPanel(const QString& busAddress)
    : connectionName_(QStringLiteral("status-notifier-panel")),
      bus_(QDBusConnection::connectToBus(busAddress, connectionName_)),
      watcher_(new StatusNotifierWatcher)
{
    watcher_->moveToThread(&watcherThread_);
    QObject::connect(&watcherThread_, &QThread::finished, watcher_, &QObject::deleteLater);
    watcherThread_.start();
}

StatusNotifierPanel::~StatusNotifierPanel()
{
    QDBusConnection::disconnectFromBus(connectionName_);
    watcherThread_.quit();
    watcherThread_.wait();
}

bool StatusNotifierPanel::StartWatcher(bool withHost)
{
    if (withHost) {
        RegisterHost();
    }
    // Exported from its own thread, where what D-Bus makes for it must live.
    bool exported = false;
    QMetaObject::invokeMethod(
        watcher_,
        [this, &exported] {
            exported = bus_.registerObject(kWatcherPath, watcher_,
                                           QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals |
                                               QDBusConnection::ExportAllProperties);
        },
        Qt::BlockingQueuedConnection);
    return exported && bus_.registerService(kWatcherService);
}

void StatusNotifierPanel::RegisterHost()
{
    // D-Bus passes on only what the watcher signals from its own thread.
    QMetaObject::invokeMethod(watcher_, &StatusNotifierWatcher::AddHost, Qt::BlockingQueuedConnection);
}

bool StatusNotifierPanel::Activate(QPoint at)
{
    const auto item = *watcher_->firstItem();
    return CallItem(item.path, kItemInterface, "Activate", {at.x(), at.y()}).has_value();
}

std::vector<MenuEntry> StatusNotifierPanel::MenuEntries()
{
    // The whole tree from the root, with every property.
    const auto reply = CallItem(MenuPath(), kMenuInterface, "GetLayout", {0, -1, QStringList()});
    std::vector<MenuEntry> entries;
    if (!reply || reply->arguments().size() != 2) {
        return entries;
    }
    const auto root = qvariant_cast<QDBusArgument>(reply->arguments().at(1));
    int id = 0;
    QVariantMap properties;
    root.beginStructure();
    root >> id >> properties;
    root.beginArray();
    while (!root.atEnd()) {
        QDBusVariant child;
        root >> child;
        entries.push_back(ReadEntry(qvariant_cast<QDBusArgument>(child.variant())));
    }
    root.endArray();
    root.endStructure();
    return entries;
}

bool StatusNotifierPanel::AboutToShow()
{
    return CallItem(MenuPath(), kMenuInterface, "AboutToShow", {0}).has_value();
}

void StatusNotifierPanel::Click(int id)
{
    // Sent without waiting: the click may end the program before it answers.
    QDBusMessage click =
        QDBusMessage::createMethodCall(watcher_->firstItem()->service, MenuPath(), kMenuInterface, "Event");
    click << id << QStringLiteral("clicked") << QVariant::fromValue(QDBusVariant(0)) << 0u;
    bus_.send(click);
}

std::optional<QDBusMessage> StatusNotifierPanel::CallItem(const QString& path, const QString& interface,
                                                          const QString& method, const QVariantList& arguments)
{
    QDBusMessage call = QDBusMessage::createMethodCall(watcher_->firstItem()->service, path, interface, method);
    call.setArguments(arguments);
    QDBusMessage reply = bus_.call(call, QDBus::Block, kReplyWait);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        return std::nullopt;
    }
    return reply;
}

QString StatusNotifierPanel::MenuPath()
{
    const auto item = *watcher_->firstItem();
    const auto reply =
        CallItem(item.path, "org.freedesktop.DBus.Properties", "Get", {kItemInterface, QStringLiteral("Menu")});
    if (!reply || reply->arguments().isEmpty()) {
        return {};
    }
    return qvariant_cast<QDBusVariant>(reply->arguments().constFirst()).variant().value<QDBusObjectPath>().path();
}

}  // namespace qmb::test
