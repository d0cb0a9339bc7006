// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "device/hidraw/hidraw_platform.h"

#include <fcntl.h>
#include <linux/hidraw.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <climits>
#include <utility>

#include "device/hidraw/exchange_windows.h"
#include "device/hidraw/hidraw_read.h"
#include "device/hidraw/udev_notices.h"
#include "device/system_platform.h"

// Linux 5.11 added it; older headers lack the number.
#ifndef HIDIOCSOUTPUT
#define HIDIOCSOUTPUT(len) _IOC(_IOC_WRITE | _IOC_READ, 'H', 0x0B, len)
#endif

namespace qmb {
namespace {

// hidraw refuses longer reports, and the ioctl's size field could not carry
// them anyway.
constexpr size_t kMaxOutputReportLength = 16384 - 1;

// A node whose files could not all be read is read again next time.
bool IsSameNode(const HidrawNode& known, const HidrawClassEntry& entry)
{
    return known.descriptor && known.ueventIds && known.entry.inode == entry.inode &&
           known.entry.name == entry.name;
}

bool AccessDenied(int error)
{
    return error == EACCES || error == EPERM;
}

constexpr std::array<UdevMatch, 1> kUsbDevices{{{"usb", "usb_device"}}};
// A hidraw node comes for a HID device on any bus (uhid and Bluetooth
// included), and after the USB device that carries it.
constexpr std::array<UdevMatch, 2> kNodesAndUsbDevices{{{"hidraw", nullptr}, {"usb", "usb_device"}}};

}  // namespace

HidrawPlatform::HidrawPlatform(std::string sysfsRoot, std::string deviceDirectory)
    : sysfsRoot_(std::move(sysfsRoot)), deviceDirectory_(std::move(deviceDirectory))
{
}

HidrawPlatform::~HidrawPlatform()
{
    for (const auto& entry : handles_) {
        close(entry.second.fd);
    }
}

BindResult HidrawPlatform::Bind()
{
    if (!wake_.valid()) {
        return BindResult::Incomplete;
    }
    struct stat classDirectory {};
    const std::string path = sysfsRoot_ + "/class/hidraw";
    if (stat(path.c_str(), &classDirectory) != 0 || !S_ISDIR(classDirectory.st_mode)) {
        return BindResult::Missing;
    }
    return BindResult::Bound;
}

void HidrawPlatform::Unbind()
{
}

bool HidrawPlatform::BeginEnumeration()
{
    // Both lists ascend by node number, so one walk finds what is known.
    std::vector<HidrawNode> known = std::move(nodes_);
    nodes_.clear();
    interfaces_.clear();
    size_t candidate = 0;
    for (const HidrawClassEntry& entry : ListHidrawNodes(sysfsRoot_)) {
        while (candidate < known.size() && known[candidate].entry.number < entry.number) {
            ++candidate;
        }
        const bool unchanged = candidate < known.size() && IsSameNode(known[candidate], entry);
        HidrawNode node = unchanged ? std::move(known[candidate]) : ReadHidrawNode(sysfsRoot_, entry);
        if (node.descriptor) {
            for (size_t collection = 0; collection < node.descriptor->collections.size(); ++collection) {
                interfaces_.push_back({nodes_.size(), collection});
            }
        }
        nodes_.push_back(std::move(node));
    }
    return true;
}

bool HidrawPlatform::HasInterface(size_t index)
{
    return index < interfaces_.size();
}

std::optional<HidInterfaceDetail> HidrawPlatform::InterfaceDetail(size_t index)
{
    if (index >= interfaces_.size()) {
        return std::nullopt;
    }
    const ListedInterface& listed = interfaces_[index];
    return HidInterfaceDetail{NodePath(nodes_[listed.node].entry.name), static_cast<int>(listed.collection)};
}

std::optional<HidAttributes> HidrawPlatform::ListedAttributes(size_t index)
{
    if (index >= interfaces_.size()) {
        return std::nullopt;
    }
    return nodes_[interfaces_[index].node].ueventIds;
}

void HidrawPlatform::EndEnumeration()
{
    interfaces_.clear();
}

HidHandle HidrawPlatform::Open(const HidInterfaceDetail& detail)
{
    const std::string prefix = deviceDirectory_ + "/";
    if (!detail.path.starts_with(prefix) || detail.collection < 0) {
        return kNoHandle;
    }
    const std::string name = detail.path.substr(prefix.size());
    if (!IsHidrawNodeName(name)) {
        return kNoHandle;
    }
    std::optional<HidrawNode> fresh;
    const HidrawNode* node = nullptr;
    for (const HidrawNode& listed : nodes_) {
        if (listed.entry.name == name) {
            node = &listed;
            break;
        }
    }
    if (node == nullptr) {
        fresh = ReadHidrawNode(sysfsRoot_, HidrawClassEntry{name});
        node = &*fresh;
    }
    const auto collectionIndex = static_cast<size_t>(detail.collection);
    if (!node->descriptor || collectionIndex >= node->descriptor->collections.size()) {
        return kNoHandle;
    }

    const int fd = open(detail.path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return kNoHandle;
    }
    OpenCollection entry;
    entry.fd = fd;
    entry.node = name;
    entry.collection = node->descriptor->collections[collectionIndex];
    entry.reportsCarryId = node->descriptor->usesReportIds;
    entry.ueventIds = node->ueventIds;

    const std::lock_guard lock(handlesMutex_);
    const HidHandle handle = NextHandle();
    handles_.emplace(handle, std::move(entry));
    return handle;
}

std::optional<HidAttributes> HidrawPlatform::Attributes(HidHandle handle)
{
    const std::optional<OpenCollection> entry = FindOpenCollection(handle);
    if (!entry) {
        return std::nullopt;
    }
    hidraw_devinfo info{};
    if (ioctl(entry->fd, HIDIOCGRAWINFO, &info) == 0) {
        HidAttributes attributes;
        attributes.vendorId = static_cast<uint16_t>(info.vendor);
        attributes.productId = static_cast<uint16_t>(info.product);
        return attributes;
    }
    return entry->ueventIds;
}

std::optional<HidCapabilities> HidrawPlatform::Capabilities(HidHandle handle)
{
    const std::optional<OpenCollection> entry = FindOpenCollection(handle);
    if (!entry) {
        return std::nullopt;
    }
    HidCapabilities capabilities;
    capabilities.inputReportByteLength = entry->collection.inputReportByteLength;
    capabilities.numberInputButtonCaps = entry->collection.numberInputButtonCaps;
    capabilities.firstInputButtonReportId = entry->collection.firstInputButtonReportId;
    return capabilities;
}

bool HidrawPlatform::SetOutputReport(HidHandle handle, std::span<const uint8_t> report)
{
    if (report.empty() || report.size() > kMaxOutputReportLength) {
        return false;
    }
    const std::optional<OpenCollection> entry = FindOpenCollection(handle);
    if (!entry) {
        return false;
    }
    // The ioctl takes a writable buffer.
    std::vector<uint8_t> bytes(report.begin(), report.end());
    int sent = 0;
    do {
        sent = ioctl(entry->fd, HIDIOCSOUTPUT(bytes.size()), bytes.data());
    } while (sent < 0 && errno == EINTR);
    if (sent >= 0) {
        return static_cast<size_t>(sent) == bytes.size();
    }
    if (errno != ENOTTY && errno != EINVAL) {
        return false;
    }
    // A kernel before 5.11: write() sends it on the interrupt OUT endpoint,
    // or as SET_REPORT when the device has none.
    ssize_t written = 0;
    do {
        written = write(entry->fd, bytes.data(), bytes.size());
    } while (written < 0 && errno == EINTR);
    return written >= 0 && static_cast<size_t>(written) == bytes.size();
}

ReadResult HidrawPlatform::Read(HidHandle handle, std::span<uint8_t> buffer,
                                std::chrono::milliseconds timeout, bool interruptible)
{
    const std::optional<OpenCollection> entry = FindOpenCollection(handle);
    if (!entry) {
        return {ReadStatus::Failed, 0};
    }
    const InputReportFilter filter{entry->collection.inputReportIds, entry->reportsCarryId};
    return ReadInputReport(entry->fd, interruptible ? &wake_ : nullptr, filter, buffer, timeout);
}

void HidrawPlatform::InterruptRead()
{
    wake_.Signal();
}

void HidrawPlatform::Close(HidHandle handle)
{
    const std::lock_guard lock(handlesMutex_);
    const auto found = handles_.find(handle);
    if (found == handles_.end()) {
        return;
    }
    close(found->second.fd);
    handles_.erase(found);
}

std::optional<std::string> HidrawPlatform::LockNodeOf(HidHandle handle) const
{
    const std::optional<OpenCollection> entry = FindOpenCollection(handle);
    if (!entry) {
        return std::nullopt;
    }
    // A device whose collections sit on two nodes must be locked on one
    // that every program agrees on: the lowest node of the same vendor and
    // product. A second mouse of the same kind then shares the lock, which
    // costs nothing but a short wait.
    if (entry->ueventIds) {
        for (const HidrawNode& node : nodes_) {
            if (node.ueventIds && node.ueventIds->vendorId == entry->ueventIds->vendorId &&
                node.ueventIds->productId == entry->ueventIds->productId) {
                return node.entry.name;
            }
        }
    }
    return entry->node;
}

ExchangeLock HidrawPlatform::LockExchanges(HidHandle handle, std::chrono::milliseconds bound)
{
    const std::optional<std::string> node = LockNodeOf(handle);
    if (!node) {
        return ExchangeLock::Taken;
    }
    HeldExchange held;
    // A node that cannot be locked at all keeps nobody out, as before
    // there was a lock: better an exchange unguarded than none.
    if (held.lock.LockExclusive(NodePath(*node), bound) == NodeLock::Result::Busy) {
        return ExchangeLock::Busy;
    }
    held.node = *node;
    held.since = std::chrono::steady_clock::now();
    const std::lock_guard lock(handlesMutex_);
    exchanges_.insert_or_assign(handle, std::move(held));
    return ExchangeLock::Taken;
}

void HidrawPlatform::UnlockExchanges(HidHandle handle)
{
    std::optional<HeldExchange> held;
    {
        const std::lock_guard lock(handlesMutex_);
        const auto found = exchanges_.find(handle);
        if (found == exchanges_.end()) {
            return;
        }
        held = std::move(found->second);
        exchanges_.erase(found);
    }
    if (!held->lock.held()) {
        return;
    }
    // Written down before the lock goes, so that a watcher that finds the
    // node free also finds this exchange.
    if (const auto windows = ExchangeWindows::ForNode(held->node)) {
        windows->Record(held->since, std::chrono::steady_clock::now());
    }
    held->lock.Unlock();
}

bool HidrawPlatform::OthersTalkedBetween(HidHandle handle, std::chrono::steady_clock::time_point since,
                                         std::chrono::steady_clock::time_point until)
{
    const std::optional<std::string> node = LockNodeOf(handle);
    if (!node) {
        return false;
    }
    const auto windows = ExchangeWindows::ForNode(*node);
    return NodeLock::HeldNowOr(NodePath(*node), [&] { return windows && windows->AnyBetween(since, until); });
}

std::vector<std::string> HidrawPlatform::InaccessibleNodes(const DeviceIdentity& identity) const
{
    std::vector<std::string> inaccessible;
    for (const HidrawClassEntry& entry : ListHidrawNodes(sysfsRoot_)) {
        const std::optional<HidAttributes> ids = ReadHidrawUevent(sysfsRoot_, entry.name);
        if (!ids || ids->vendorId != identity.vendorId || ids->productId != identity.productId) {
            continue;
        }
        const std::string path = NodePath(entry.name);
        const int fd = open(path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0) {
            close(fd);
        } else if (AccessDenied(errno)) {
            inaccessible.push_back(path);
        }
    }
    return inaccessible;
}

std::unique_ptr<DeviceNotices> HidrawPlatform::CreateNotices()
{
    return UdevNotices::Create(kUsbDevices);
}

std::unique_ptr<DeviceNotices> HidrawPlatform::CreateNodeNotices()
{
    return UdevNotices::Create(kNodesAndUsbDevices);
}

std::string HidrawPlatform::NodePath(const std::string& name) const
{
    return deviceDirectory_ + "/" + name;
}

std::optional<HidrawPlatform::OpenCollection> HidrawPlatform::FindOpenCollection(HidHandle handle) const
{
    const std::lock_guard lock(handlesMutex_);
    const auto found = handles_.find(handle);
    if (found == handles_.end()) {
        return std::nullopt;
    }
    return found->second;
}

HidHandle HidrawPlatform::NextHandle()
{
    // Handles are not reused soon, so a stale one cannot reach a newer node.
    do {
        lastHandle_ = lastHandle_ == INT_MAX ? 1 : lastHandle_ + 1;
    } while (handles_.contains(lastHandle_));
    return lastHandle_;
}

std::unique_ptr<HidPlatform> SystemHidPlatform()
{
    return std::make_unique<HidrawPlatform>();
}

}  // namespace qmb
