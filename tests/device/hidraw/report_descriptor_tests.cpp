// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "device/hidraw/report_descriptor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "tests/device/hidraw/sample_descriptors.h"

namespace qmb::test {
namespace {

using Bytes = std::vector<uint8_t>;

template <size_t N>
Bytes ToBytes(const uint8_t (&descriptor)[N])
{
    return Bytes(descriptor, descriptor + N);
}

Bytes EmptyCollections(size_t count)
{
    Bytes bytes;
    for (size_t i = 0; i < count; ++i) {
        bytes.insert(bytes.end(), {0xA1, 0x00, 0xC0});
    }
    return bytes;
}

// Wraps input items in one vendor application collection.
Bytes InApplication(const Bytes& body)
{
    constexpr uint8_t kOpening[] = {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01};
    Bytes bytes;
    bytes.reserve(std::size(kOpening) + body.size() + 1);
    bytes.assign(std::begin(kOpening), std::end(kOpening));
    bytes.insert(bytes.end(), body.begin(), body.end());
    bytes.push_back(0xC0);
    return bytes;
}

TopLevelCollection OnlyCollection(const Bytes& bytes)
{
    const auto parsed = ParseReportDescriptor(bytes);
    EXPECT_TRUE(parsed.has_value());
    if (!parsed || parsed->collections.size() != 1) {
        ADD_FAILURE() << "expected exactly one collection";
        return {};
    }
    return parsed->collections.front();
}

TEST(ReportDescriptorTest, BootMouseIsOneCollectionWithoutReportIds)
{
    const auto parsed = ParseReportDescriptor(ToBytes(kBootMouseDescriptor));
    ASSERT_TRUE(parsed.has_value());
    EXPECT_FALSE(parsed->usesReportIds);
    ASSERT_EQ(parsed->collections.size(), 1u);
    const TopLevelCollection& mouse = parsed->collections[0];
    EXPECT_EQ(mouse.usagePage, 0x01);
    EXPECT_EQ(mouse.usage, 0x02);
    EXPECT_EQ(mouse.inputReportIds, (std::vector<uint8_t>{0}));
    // 3 button bits + 5 padding bits + X + Y, plus the id byte Windows counts.
    EXPECT_EQ(mouse.inputReportByteLength, 4);
    EXPECT_EQ(mouse.numberInputButtonCaps, 1);
    EXPECT_EQ(mouse.firstInputButtonReportId, 0);
}

TEST(ReportDescriptorTest, BootKeyboardCountsModifierBitsAndKeyArrayButNotLeds)
{
    const TopLevelCollection keyboard = OnlyCollection(ToBytes(kBootKeyboardDescriptor));
    EXPECT_EQ(keyboard.usagePage, 0x01);
    EXPECT_EQ(keyboard.usage, 0x06);
    EXPECT_EQ(keyboard.inputReportByteLength, 9);
    EXPECT_EQ(keyboard.numberInputButtonCaps, 2);
}

TEST(ReportDescriptorTest, MouseCommandCollectionsAreToldApartByReportId)
{
    const auto parsed = ParseReportDescriptor(ToBytes(kMouseCommandDescriptor));
    ASSERT_TRUE(parsed.has_value());
    EXPECT_TRUE(parsed->usesReportIds);
    ASSERT_EQ(parsed->collections.size(), 2u);

    const TopLevelCollection& status = parsed->collections[0];
    EXPECT_EQ(status.usagePage, 0xFF00);
    EXPECT_EQ(status.usage, 0x01);
    EXPECT_EQ(status.inputReportIds, (std::vector<uint8_t>{4}));
    EXPECT_EQ(status.inputReportByteLength, 8);
    EXPECT_EQ(status.numberInputButtonCaps, 1);
    EXPECT_EQ(status.firstInputButtonReportId, 4);

    const TopLevelCollection& memory = parsed->collections[1];
    EXPECT_EQ(memory.usagePage, 0xFF00);
    EXPECT_EQ(memory.usage, 0x02);
    EXPECT_EQ(memory.inputReportIds, (std::vector<uint8_t>{8}));
    EXPECT_EQ(memory.inputReportByteLength, 9);
    EXPECT_EQ(memory.numberInputButtonCaps, 1);
    EXPECT_EQ(memory.firstInputButtonReportId, 8);
}

TEST(ReportDescriptorTest, NestedCollectionsBelongToTheirTopLevelAndPopRestoresGlobals)
{
    const auto parsed = ParseReportDescriptor(ToBytes(kNestedPushPopDescriptor));
    ASSERT_TRUE(parsed.has_value());
    ASSERT_EQ(parsed->collections.size(), 2u);

    const TopLevelCollection& mouse = parsed->collections[0];
    EXPECT_EQ(mouse.usagePage, 0x01);
    EXPECT_EQ(mouse.usage, 0x02);
    // Report 3 was declared between Push and Pop, inside the mouse.
    EXPECT_EQ(mouse.inputReportIds, (std::vector<uint8_t>{1, 3}));
    // Report 1: 5 + 3 + 2 x 16 bits, then the two wheels with the popped
    // size 16 and count 2: 72 bits.
    EXPECT_EQ(mouse.inputReportByteLength, 10);
    EXPECT_EQ(mouse.numberInputButtonCaps, 1);
    EXPECT_EQ(mouse.firstInputButtonReportId, 1);

    const TopLevelCollection& consumer = parsed->collections[1];
    EXPECT_EQ(consumer.usagePage, 0x0C);
    EXPECT_EQ(consumer.usage, 0x01);
    EXPECT_EQ(consumer.inputReportIds, (std::vector<uint8_t>{2}));
    EXPECT_EQ(consumer.inputReportByteLength, 3);
    EXPECT_EQ(consumer.numberInputButtonCaps, 1);
    EXPECT_EQ(consumer.firstInputButtonReportId, 2);
}

TEST(ReportDescriptorTest, CollectionUsage)
{
    // A four-byte usage names its own page.
    const TopLevelCollection extended =
        OnlyCollection({0x05, 0x01, 0x0B, 0x05, 0x00, 0xC0, 0xFF, 0xA1, 0x01, 0xC0});
    EXPECT_EQ(extended.usagePage, 0xFFC0);
    EXPECT_EQ(extended.usage, 0x0005);

    // A Usage Minimum names the collection when no Usage precedes it.
    const TopLevelCollection ranged = OnlyCollection({0x05, 0x0C, 0x19, 0x07, 0x29, 0x09, 0xA1, 0x01, 0xC0});
    EXPECT_EQ(ranged.usagePage, 0x0C);
    EXPECT_EQ(ranged.usage, 0x07);

    // A usage is used up by the main item it precedes.
    const auto parsed = ParseReportDescriptor(
        Bytes{0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x09, 0x30, 0x81, 0x02, 0xC0, 0xA1, 0x01, 0xC0});
    ASSERT_TRUE(parsed.has_value());
    ASSERT_EQ(parsed->collections.size(), 2u);
    EXPECT_EQ(parsed->collections[1].usagePage, 0x01);
    EXPECT_EQ(parsed->collections[1].usage, 0x00);
}

TEST(ReportDescriptorTest, ButtonsAreArraysAndOneBitVariablesOnly)
{
    // 8-bit variable, constant 1-bit padding, 1-bit variable in report 7,
    // array in report 9.
    const TopLevelCollection collection = OnlyCollection(InApplication({
        0x85, 0x05, 0x75, 0x08, 0x95, 0x01, 0x81, 0x02,
        0x75, 0x01, 0x81, 0x01,
        0x85, 0x07, 0x81, 0x02,
        0x85, 0x09, 0x75, 0x08, 0x81, 0x00,
    }));
    EXPECT_EQ(collection.numberInputButtonCaps, 2);
    EXPECT_EQ(collection.firstInputButtonReportId, 7);
    EXPECT_EQ(collection.inputReportIds, (std::vector<uint8_t>{5, 7, 9}));

    const TopLevelCollection noButtons = OnlyCollection(InApplication({
        0x75, 0x08, 0x95, 0x04, 0x81, 0x02, 0x75, 0x01, 0x81, 0x03, 0x91, 0x02, 0xB1, 0x00,
    }));
    EXPECT_EQ(noButtons.numberInputButtonCaps, 0);
    EXPECT_EQ(noButtons.inputReportByteLength, 6);
}

TEST(ReportDescriptorTest, InputLengthIsLargestReportOfTheCollection)
{
    // Report 5: 12 + 5 bits in two items, 3 bytes. Report 6: 2 bytes.
    // Outputs and features are larger but do not count.
    const TopLevelCollection collection = OnlyCollection(InApplication({
        0x85, 0x05, 0x75, 0x0C, 0x95, 0x01, 0x81, 0x02, 0x75, 0x05, 0x81, 0x02,
        0x85, 0x06, 0x75, 0x10, 0x81, 0x02,
        0x75, 0x08, 0x95, 0x20, 0x91, 0x02, 0xB1, 0x02,
    }));
    EXPECT_EQ(collection.inputReportByteLength, 4);

    // Ids on both sides of every 64-id boundary, declared out of order; the
    // last id has the largest report (2 bytes).
    const TopLevelCollection spread = OnlyCollection(InApplication({
        0x75, 0x08, 0x95, 0x01,
        0x85, 0xFF, 0x81, 0x02, 0x81, 0x02,
        0x85, 0x40, 0x81, 0x02, 0x85, 0x3F, 0x81, 0x02, 0x85, 0x80, 0x81, 0x02,
        0x85, 0x7F, 0x81, 0x02, 0x85, 0xC0, 0x81, 0x02, 0x85, 0x03, 0x81, 0x02,
    }));
    EXPECT_EQ(spread.inputReportIds, (std::vector<uint8_t>{3, 63, 64, 127, 128, 192, 255}));
    EXPECT_EQ(spread.inputReportByteLength, 3);

    const TopLevelCollection outputOnly = OnlyCollection(InApplication({0x75, 0x08, 0x95, 0x07, 0x91, 0x02}));
    EXPECT_TRUE(outputOnly.inputReportIds.empty());
    EXPECT_EQ(outputOnly.inputReportByteLength, 0);
    EXPECT_EQ(outputOnly.numberInputButtonCaps, 0);
}

TEST(ReportDescriptorTest, LongAndReservedItemsAreSkipped)
{
    Bytes withSkippedItems{0xFE, 0x03, 0x42, 0x81, 0xC0, 0xA1, 0x0C, 0xFE, 0x00, 0x01};
    const Bytes mouse = ToBytes(kBootMouseDescriptor);
    withSkippedItems.insert(withSkippedItems.end(), mouse.begin(), mouse.end());
    const auto parsed = ParseReportDescriptor(withSkippedItems);
    ASSERT_TRUE(parsed.has_value());
    ASSERT_EQ(parsed->collections.size(), 1u);
    EXPECT_EQ(parsed->collections[0].inputReportByteLength, 4);
    EXPECT_EQ(parsed->collections[0].numberInputButtonCaps, 1);
}

TEST(ReportDescriptorTest, EmptyDescriptorHasNoCollections)
{
    const auto parsed = ParseReportDescriptor({});
    ASSERT_TRUE(parsed.has_value());
    EXPECT_TRUE(parsed->collections.empty());
}

TEST(ReportDescriptorTest, LimitsThatAreStillAccepted)
{
    // Four nested Pushes.
    EXPECT_TRUE(ParseReportDescriptor(InApplication({0xA4, 0xA4, 0xA4, 0xA4, 0xB4, 0xB4, 0xB4, 0xB4})));

    Bytes deep;
    for (int i = 0; i < 32; ++i) {
        deep.insert(deep.end(), {0xA1, 0x00});
    }
    deep.insert(deep.end(), 32, 0xC0);
    EXPECT_TRUE(ParseReportDescriptor(deep));

    // 16383 bytes of input: 511 x 256 bits + 248 bits.
    const TopLevelCollection largest = OnlyCollection(InApplication({
        0x76, 0x00, 0x01, 0x95, 0xFF, 0x81, 0x02,
        0x75, 0xF8, 0x95, 0x01, 0x81, 0x02,
        0x76, 0x00, 0x01, 0x96, 0x00, 0x01, 0x81, 0x02,
    }));
    EXPECT_EQ(largest.inputReportByteLength, 16384);

    EXPECT_EQ(ParseReportDescriptor(EmptyCollections(255)).value_or(ReportDescriptor{}).collections.size(), 255u);
    // 4096 bytes: Usage items without data fill the collection.
    EXPECT_TRUE(ParseReportDescriptor(InApplication(Bytes(4088, 0x08))));
}

// One top-level collection as the Windows HID parser saw it (HIDAPI's
// .pp_data dump named `windows`), in the descriptor file `descriptor`.
struct WindowsCollection {
    std::string_view windows;
    std::string_view descriptor;
    size_t index;
    uint16_t usagePage;
    uint16_t usage;
    uint16_t inputReportByteLength;
    std::optional<uint8_t> firstButtonReportId;
};

constexpr WindowsCollection kWindowsCollections[] = {
    {"045E_02FF_0005_0001", "045E_02FF_0005_0001", 0, 0x0001, 0x0005, 16, 0},
    {"046A_0011_0006_0001", "046A_0011_0006_0001", 0, 0x0001, 0x0006, 9, 0},
    {"046D_0A37_0001_000C", "046D_0A37_0001_000C", 0, 0x000C, 0x0001, 33, 1},
    {"046D_B010_0002_0001", "046D_B010", 0, 0x0001, 0x0002, 7, 2},
    {"046D_B010_0001_000C", "046D_B010", 1, 0x000C, 0x0001, 2, std::nullopt},
    {"046D_B010_0001_FF00", "046D_B010", 2, 0xFF00, 0x0001, 7, 16},
    {"046D_B010_0002_FF00", "046D_B010", 3, 0xFF00, 0x0002, 20, 17},
    {"046D_B010_0006_0001", "046D_B010", 4, 0x0001, 0x0006, 9, 4},
    {"046D_C077_0002_0001", "046D_C077_0002_0001", 0, 0x0001, 0x0002, 5, 0},
    {"046D_C283_0004_0001", "046D_C283_0004_0001", 0, 0x0001, 0x0004, 8, 0},
    {"046D_C52F_0001_000C", "046D_C52F_0001_000C", 0, 0x000C, 0x0001, 5, 3},
    {"046D_C52F_0001_FF00", "046D_C52F_0001_FF00", 0, 0xFF00, 0x0001, 7, 16},
    {"046D_C52F_0002_0001", "046D_C52F_0002_0001", 0, 0x0001, 0x0002, 9, 0},
    {"046D_C52F_0002_FF00", "046D_C52F_0002_FF00", 0, 0xFF00, 0x0002, 20, 17},
    {"046D_C534_0001_000C", "046D_C52F_0001_000C", 0, 0x000C, 0x0001, 5, 3},
    {"046D_C534_0001_FF00", "046D_C52F_0001_FF00", 0, 0xFF00, 0x0001, 7, 16},
    {"046D_C534_0002_0001", "046D_C534_0002_0001", 0, 0x0001, 0x0002, 8, 2},
    {"046D_C534_0002_FF00", "046D_C52F_0002_FF00", 0, 0xFF00, 0x0002, 20, 17},
    {"046D_C534_0006_0001", "046D_C534_0006_0001", 0, 0x0001, 0x0006, 9, 0},
    {"046D_C534_0080_0001", "046D_C534_0080_0001", 0, 0x0001, 0x0080, 2, 4},
    {"047F_C056_0001_000C", "047F_C056_0001_000C", 0, 0x000C, 0x0001, 33, 1},
    {"047F_C056_0003_FFA0", "047F_C056_0003_FFA0", 0, 0xFFA0, 0x0003, 33, 20},
    {"047F_C056_0005_000B", "047F_C056_0005_000B", 0, 0x000B, 0x0005, 2, 8},
    {"1532_00A3_0002_0001", "1532_00A3_0002_0001", 0, 0x0001, 0x0002, 9, 0},
    {"17CC_1130_0000_FF01", "17CC_1130_0000_FF01", 0, 0xFF01, 0x0000, 53, 1},
};

Bytes ReadRealDescriptor(std::string_view name)
{
    std::ifstream file(std::string(QMB_SOURCE_DIR "/tests/device/hidraw/real_descriptors/").append(name) + ".bin",
                       std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Discovery picks the mouse's collections by these two figures, so they must
// be what Windows makes of the same descriptor.
TEST(ReportDescriptorTest, RealDescriptorsGiveWhatWindowsFound)
{
    for (const WindowsCollection& windows : kWindowsCollections) {
        SCOPED_TRACE(windows.windows);
        const auto parsed = ParseReportDescriptor(ReadRealDescriptor(windows.descriptor));
        ASSERT_TRUE(parsed && windows.index < parsed->collections.size());
        const TopLevelCollection& ours = parsed->collections[windows.index];
        EXPECT_EQ(ours.usagePage, windows.usagePage);
        EXPECT_EQ(ours.usage, windows.usage);
        EXPECT_EQ(ours.inputReportByteLength, windows.inputReportByteLength);
        const bool hasButton = ours.numberInputButtonCaps != 0;
        EXPECT_EQ(hasButton ? std::optional(ours.firstInputButtonReportId) : std::nullopt, windows.firstButtonReportId);
    }
}

struct MalformedCase {
    std::string name;
    Bytes bytes;
};

TEST(ReportDescriptorTest, MalformedDescriptorsAreRejected)
{
    Bytes tooDeep;
    for (int i = 0; i < 33; ++i) {
        tooDeep.insert(tooDeep.end(), {0xA1, 0x00});
    }
    tooDeep.insert(tooDeep.end(), 33, 0xC0);

    const std::vector<MalformedCase> cases = {
        {"one-byte item without its data", {0x05}},
        {"four-byte item with three bytes", {0x07, 0x01, 0x02, 0x03}},
        {"long item without its header", {0xFE, 0x02}},
        {"long item data past the end", {0xFE, 0x05, 0x10, 0x01, 0x02}},
        {"End Collection without Collection", {0xC0}},
        {"End Collection after the last one", InApplication({0xC0})},
        {"Collection never ended", {0x09, 0x01, 0xA1, 0x01, 0x81, 0x02}},
        {"Pop without Push", InApplication({0xB4})},
        {"fifth Push", InApplication({0xA4, 0xA4, 0xA4, 0xA4, 0xA4})},
        {"Input outside a collection", {0x75, 0x08, 0x95, 0x01, 0x81, 0x02}},
        {"Output outside a collection", {0x91, 0x02}},
        {"Feature outside a collection", {0xB1, 0x02}},
        {"33 nested collections", tooDeep},
        {"report id 0", InApplication({0x85, 0x00})},
        {"report id 256", InApplication({0x86, 0x00, 0x01})},
        {"report size 257 bits", InApplication({0x76, 0x01, 0x01})},
        {"report count 12289", InApplication({0x96, 0x01, 0x30})},
        {"input report of 16384 bytes", InApplication({0x76, 0x00, 0x01, 0x96, 0x00, 0x02, 0x81, 0x02})},
        {"256 top-level collections", EmptyCollections(256)},
        {"4097 bytes", InApplication(Bytes(4089, 0x08))},
    };
    for (const MalformedCase& malformed : cases) {
        EXPECT_FALSE(ParseReportDescriptor(malformed.bytes).has_value()) << malformed.name;
    }
}

// Each prefix is copied into a buffer of exactly its length, so a read past
// the end is caught by AddressSanitizer.
TEST(ReportDescriptorTest, EveryTruncationIsRejectedOrParsedWithinBounds)
{
    const std::vector<Bytes> samples = {
        ToBytes(kBootMouseDescriptor),
        ToBytes(kBootKeyboardDescriptor),
        ToBytes(kMouseCommandDescriptor),
        ToBytes(kNestedPushPopDescriptor),
    };
    for (const Bytes& sample : samples) {
        const auto whole = ParseReportDescriptor(sample);
        ASSERT_TRUE(whole.has_value());
        for (size_t length = 0; length < sample.size(); ++length) {
            const Bytes prefix(sample.begin(), sample.begin() + static_cast<ptrdiff_t>(length));
            const auto parsed = ParseReportDescriptor(prefix);
            if (parsed) {
                // Only a cut right after a top-level End Collection parses.
                EXPECT_LT(parsed->collections.size(), whole->collections.size()) << "prefix " << length;
            }
        }
    }
}

// The results must stay consistent whatever the input.
TEST(ReportDescriptorTest, MutatedDescriptorsGiveConsistentResults)
{
    std::mt19937 random(20240611);
    const std::vector<Bytes> samples = {
        ToBytes(kBootMouseDescriptor),
        ToBytes(kMouseCommandDescriptor),
        ToBytes(kNestedPushPopDescriptor),
    };
    size_t parsedCount = 0;
    for (int round = 0; round < 3000; ++round) {
        Bytes bytes = samples[static_cast<size_t>(round) % samples.size()];
        const int flips = 1 + static_cast<int>(random() % 4);
        for (int flip = 0; flip < flips; ++flip) {
            bytes[random() % bytes.size()] = static_cast<uint8_t>(random());
        }
        bytes.resize(random() % (bytes.size() + 1));
        const auto parsed = ParseReportDescriptor(bytes);
        if (!parsed) {
            continue;
        }
        ++parsedCount;
        for (const TopLevelCollection& collection : parsed->collections) {
            const auto& ids = collection.inputReportIds;
            EXPECT_TRUE(std::adjacent_find(ids.begin(), ids.end(), std::greater_equal<>()) == ids.end());
            EXPECT_EQ(ids.empty(), collection.inputReportByteLength == 0);
            if (!parsed->usesReportIds && !ids.empty()) {
                EXPECT_EQ(ids, (std::vector<uint8_t>{0}));
            }
            if (collection.numberInputButtonCaps != 0) {
                EXPECT_TRUE(std::binary_search(ids.begin(), ids.end(), collection.firstInputButtonReportId));
            }
        }
    }
    EXPECT_GT(parsedCount, 0u);
}

}  // namespace
}  // namespace qmb::test
