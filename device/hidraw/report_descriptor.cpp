// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "device/hidraw/report_descriptor.h"

#include <algorithm>
#include <array>
#include <bit>

namespace qmb {
namespace {

// The kernel hands out no more of a descriptor than this (its
// HID_MAX_DESCRIPTOR_SIZE), through sysfs or the ioctl alike; refusing more
// bounds the work of a parse.
constexpr size_t kMaxDescriptorLength = 4096;

// Limits of the Linux HID core: a descriptor beyond them never gets a
// hidraw node, so rejecting it here costs nothing and bounds every sum below.
constexpr uint32_t kMaxReportSizeBits = 256;
constexpr uint32_t kMaxReportCount = 12288;
constexpr uint32_t kMaxReportBits = (16384 - 1) * 8;
constexpr size_t kGlobalStackDepth = 4;
constexpr size_t kMaxCollectionDepth = 32;
constexpr size_t kReportIdCount = 256;

// Each report belongs to one top-level collection and is known by its id, of
// which there are 255 (a descriptor without ids has a single report): a
// collection past that many owns no report and serves nobody, yet would cost
// memory here and an interface for discovery to walk.
constexpr size_t kMaxTopLevelCollections = kReportIdCount - 1;
constexpr size_t kReportIdWordBits = 64;

constexpr uint8_t kLongItemPrefix = 0xFE;
constexpr size_t kLongItemHeaderLength = 3;
constexpr std::array<uint8_t, 4> kShortItemDataSizes{0, 1, 2, 4};

enum class ItemType : uint8_t { Main = 0, Global = 1, Local = 2, Reserved = 3 };

namespace main_tag {
constexpr uint8_t kInput = 0x8;
constexpr uint8_t kOutput = 0x9;
constexpr uint8_t kCollection = 0xA;
constexpr uint8_t kFeature = 0xB;
constexpr uint8_t kEndCollection = 0xC;
}  // namespace main_tag

namespace global_tag {
constexpr uint8_t kUsagePage = 0x0;
constexpr uint8_t kReportSize = 0x7;
constexpr uint8_t kReportId = 0x8;
constexpr uint8_t kReportCount = 0x9;
constexpr uint8_t kPush = 0xA;
constexpr uint8_t kPop = 0xB;
}  // namespace global_tag

namespace local_tag {
constexpr uint8_t kUsage = 0x0;
constexpr uint8_t kUsageMinimum = 0x1;
}  // namespace local_tag

constexpr uint32_t kMainItemConstant = 1u << 0;
constexpr uint32_t kMainItemVariable = 1u << 1;

struct ShortItem {
    ItemType type = ItemType::Main;
    uint8_t tag = 0;
    uint8_t dataSize = 0;
    uint32_t data = 0;
};

struct GlobalState {
    uint16_t usagePage = 0;
    uint32_t reportSize = 0;
    uint32_t reportCount = 0;
    uint8_t reportId = 0;
};

struct LocalState {
    std::optional<uint32_t> firstUsage;
    // A 4-byte usage carries its own page in the high half.
    bool firstUsageExtended = false;
};

// Walked word by word, so that a collection costs its own ids rather than a
// look at every one of the 256: with many collections that walk was most of
// the work.
class ReportIdSet {
public:
    void Add(uint8_t id) { words_[id / kReportIdWordBits] |= uint64_t{1} << (id % kReportIdWordBits); }

    size_t Count() const
    {
        size_t count = 0;
        for (const uint64_t word : words_) {
            count += static_cast<size_t>(std::popcount(word));
        }
        return count;
    }

    template <typename Visit>
    void ForEach(Visit visit) const
    {
        for (size_t word = 0; word < words_.size(); ++word) {
            for (uint64_t bits = words_[word]; bits != 0; bits &= bits - 1) {
                visit(static_cast<uint8_t>(word * kReportIdWordBits + static_cast<size_t>(std::countr_zero(bits))));
            }
        }
    }

private:
    std::array<uint64_t, kReportIdCount / kReportIdWordBits> words_{};
};

struct CollectionBuilder {
    TopLevelCollection collection;
    ReportIdSet inputReportIds;
};

class Parser {
public:
    std::optional<ReportDescriptor> Run(std::span<const uint8_t> bytes);

private:
    bool HandleMain(const ShortItem& item);
    bool HandleGlobal(const ShortItem& item);
    void HandleLocal(const ShortItem& item);
    bool AddInputItem(uint32_t flags);
    ReportDescriptor Finish() const;

    GlobalState global_;
    std::array<GlobalState, kGlobalStackDepth> globalStack_{};
    size_t globalStackSize_ = 0;
    LocalState local_;
    size_t depth_ = 0;
    bool usesReportIds_ = false;
    std::array<uint32_t, kReportIdCount> inputReportBits_{};
    std::vector<CollectionBuilder> collections_;
};

// Length of the item that starts at `index`, or nothing when it runs past
// the end. Fills `item` for a short item; a long item has no meaning here.
std::optional<size_t> ReadItem(std::span<const uint8_t> bytes, size_t index,
                               std::optional<ShortItem>& item)
{
    const size_t available = bytes.size() - index;
    const uint8_t prefix = bytes[index];
    if (prefix == kLongItemPrefix) {
        if (available < kLongItemHeaderLength) {
            return std::nullopt;
        }
        const size_t length = kLongItemHeaderLength + bytes[index + 1];
        if (available < length) {
            return std::nullopt;
        }
        item.reset();
        return length;
    }
    ShortItem shortItem;
    shortItem.dataSize = kShortItemDataSizes[prefix & 0x3];
    shortItem.type = static_cast<ItemType>((prefix >> 2) & 0x3);
    shortItem.tag = static_cast<uint8_t>(prefix >> 4);
    if (available - 1 < shortItem.dataSize) {
        return std::nullopt;
    }
    for (size_t i = 0; i < shortItem.dataSize; ++i) {
        shortItem.data |= static_cast<uint32_t>(bytes[index + 1 + i]) << (8 * i);
    }
    item = shortItem;
    return 1 + shortItem.dataSize;
}

std::optional<ReportDescriptor> Parser::Run(std::span<const uint8_t> bytes)
{
    if (bytes.size() > kMaxDescriptorLength) {
        return std::nullopt;
    }
    size_t index = 0;
    while (index < bytes.size()) {
        std::optional<ShortItem> item;
        const std::optional<size_t> length = ReadItem(bytes, index, item);
        if (!length) {
            return std::nullopt;
        }
        index += *length;
        if (!item) {
            continue;
        }
        bool wellFormed = true;
        switch (item->type) {
        case ItemType::Main:
            wellFormed = HandleMain(*item);
            break;
        case ItemType::Global:
            wellFormed = HandleGlobal(*item);
            break;
        case ItemType::Local:
            HandleLocal(*item);
            break;
        case ItemType::Reserved:
            break;
        }
        if (!wellFormed) {
            return std::nullopt;
        }
    }
    if (depth_ != 0) {
        return std::nullopt;
    }
    return Finish();
}

bool Parser::HandleMain(const ShortItem& item)
{
    const LocalState local = local_;
    local_ = LocalState{};
    switch (item.tag) {
    case main_tag::kCollection:
        if (depth_ == kMaxCollectionDepth) {
            return false;
        }
        if (depth_ == 0) {
            if (collections_.size() == kMaxTopLevelCollections) {
                return false;
            }
            CollectionBuilder& builder = collections_.emplace_back();
            const uint32_t usage = local.firstUsage.value_or(0);
            builder.collection.usagePage = local.firstUsageExtended
                                               ? static_cast<uint16_t>(usage >> 16)
                                               : global_.usagePage;
            builder.collection.usage = static_cast<uint16_t>(usage & 0xFFFF);
        }
        ++depth_;
        return true;
    case main_tag::kEndCollection:
        if (depth_ == 0) {
            return false;
        }
        --depth_;
        return true;
    case main_tag::kInput:
        return depth_ != 0 && AddInputItem(item.data);
    case main_tag::kOutput:
    case main_tag::kFeature:
        return depth_ != 0;
    default:
        return true;
    }
}

bool Parser::AddInputItem(uint32_t flags)
{
    uint32_t& reportBits = inputReportBits_[global_.reportId];
    reportBits += global_.reportSize * global_.reportCount;
    if (reportBits > kMaxReportBits) {
        return false;
    }
    CollectionBuilder& builder = collections_.back();
    builder.inputReportIds.Add(global_.reportId);

    // Padding (a constant field) is no capability at all.
    if ((flags & kMainItemConstant) != 0) {
        return true;
    }
    const bool isArray = (flags & kMainItemVariable) == 0;
    if (isArray || global_.reportSize == 1) {
        TopLevelCollection& collection = builder.collection;
        if (collection.numberInputButtonCaps == 0) {
            collection.firstInputButtonReportId = global_.reportId;
        }
        if (collection.numberInputButtonCaps < UINT16_MAX) {
            ++collection.numberInputButtonCaps;
        }
    }
    return true;
}

bool Parser::HandleGlobal(const ShortItem& item)
{
    switch (item.tag) {
    case global_tag::kUsagePage:
        global_.usagePage = static_cast<uint16_t>(item.data);
        return true;
    case global_tag::kReportSize:
        global_.reportSize = item.data;
        return item.data <= kMaxReportSizeBits;
    case global_tag::kReportId:
        if (item.data == 0 || item.data >= kReportIdCount) {
            return false;
        }
        global_.reportId = static_cast<uint8_t>(item.data);
        usesReportIds_ = true;
        return true;
    case global_tag::kReportCount:
        global_.reportCount = item.data;
        return item.data <= kMaxReportCount;
    case global_tag::kPush:
        if (globalStackSize_ == kGlobalStackDepth) {
            return false;
        }
        globalStack_[globalStackSize_++] = global_;
        return true;
    case global_tag::kPop:
        if (globalStackSize_ == 0) {
            return false;
        }
        global_ = globalStack_[--globalStackSize_];
        return true;
    default:
        return true;
    }
}

void Parser::HandleLocal(const ShortItem& item)
{
    const bool namesUsage = item.tag == local_tag::kUsage || item.tag == local_tag::kUsageMinimum;
    if (namesUsage && !local_.firstUsage) {
        local_.firstUsage = item.data;
        local_.firstUsageExtended = item.dataSize == 4;
    }
}

ReportDescriptor Parser::Finish() const
{
    ReportDescriptor descriptor;
    descriptor.usesReportIds = usesReportIds_;
    descriptor.collections.reserve(collections_.size());
    for (const CollectionBuilder& builder : collections_) {
        TopLevelCollection collection = builder.collection;
        uint32_t largestReportBits = 0;
        collection.inputReportIds.reserve(builder.inputReportIds.Count());
        builder.inputReportIds.ForEach([&](uint8_t id) {
            collection.inputReportIds.push_back(id);
            largestReportBits = std::max(largestReportBits, inputReportBits_[id]);
        });
        if (!collection.inputReportIds.empty()) {
            collection.inputReportByteLength = static_cast<uint16_t>((largestReportBits + 7) / 8 + 1);
        }
        descriptor.collections.push_back(std::move(collection));
    }
    return descriptor;
}

}  // namespace

std::optional<ReportDescriptor> ParseReportDescriptor(std::span<const uint8_t> bytes)
{
    return Parser{}.Run(bytes);
}

}  // namespace qmb
