// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "emulator/uhid/uhid_messages.h"

#include <gtest/gtest.h>
#include <linux/input.h>

#include <cerrno>
#include <string>

#include "emulator/uhid/mouse_descriptor.h"
#include "tests/kernel/uhid_test_events.h"

namespace qmb::emu::test {
namespace {


TEST(UhidDecoding, OutputEventCarriesItsReport) {
    const auto request = DecodeUhidEvent(BytesOf(KernelOutput(kStatusQuery)));
    ASSERT_TRUE(request);
    EXPECT_EQ(request->type, UhidRequestType::Output);
    EXPECT_TRUE(request->outputReport);
    EXPECT_EQ(request->report, kStatusQuery);

    const auto feature = DecodeUhidEvent(BytesOf(KernelOutput(kStatusQuery, UHID_FEATURE_REPORT)));
    ASSERT_TRUE(feature);
    EXPECT_FALSE(feature->outputReport);
}

TEST(UhidDecoding, SetAndGetReportKeepTheIdTheReplyMustEcho) {
    const auto set = DecodeUhidEvent(BytesOf(KernelSetReport(0x1234567, kStatusQuery, UHID_OUTPUT_REPORT)));
    ASSERT_TRUE(set);
    EXPECT_EQ(set->type, UhidRequestType::SetReport);
    EXPECT_EQ(set->id, 0x1234567u);
    EXPECT_TRUE(set->outputReport);
    EXPECT_EQ(set->report, kStatusQuery);

    const auto featureSet = DecodeUhidEvent(BytesOf(KernelSetReport(9, {0x08, 1, 2}, UHID_FEATURE_REPORT)));
    ASSERT_TRUE(featureSet);
    EXPECT_FALSE(featureSet->outputReport);

    const auto get = DecodeUhidEvent(BytesOf(KernelGetReport(77, 4, UHID_INPUT_REPORT)));
    ASSERT_TRUE(get);
    EXPECT_EQ(get->type, UhidRequestType::GetReport);
    EXPECT_EQ(get->id, 77u);
}

TEST(UhidDecoding, PlainEventsAreRecognised) {
    const std::pair<uint32_t, UhidRequestType> events[] = {{UHID_START, UhidRequestType::Start},
                                                           {UHID_STOP, UhidRequestType::Stop},
                                                           {UHID_OPEN, UhidRequestType::Open},
                                                           {UHID_CLOSE, UhidRequestType::Close}};
    for (const auto& [kernelType, type] : events) {
        const auto request = DecodeUhidEvent(BytesOf(KernelEvent(kernelType)));
        ASSERT_TRUE(request) << kernelType;
        EXPECT_EQ(request->type, type);
    }
}

TEST(UhidDecoding, UnknownShortAndOversizedEventsAreHandledSafely) {
    EXPECT_FALSE(DecodeUhidEvent({}));
    EXPECT_FALSE(DecodeUhidEvent(BytesOf(KernelEvent(UHID_OPEN), 3)));
    EXPECT_FALSE(DecodeUhidEvent(BytesOf(KernelEvent(UHID_INPUT2))));
    EXPECT_FALSE(DecodeUhidEvent(BytesOf(KernelEvent(0xDEAD))));
    // Cut off before the output event's size field.
    EXPECT_FALSE(DecodeUhidEvent(BytesOf(KernelOutput(kStatusQuery), 4 + UHID_DATA_MAX)));
    EXPECT_FALSE(DecodeUhidEvent(BytesOf(KernelGetReport(1, 4, UHID_INPUT_REPORT), 8)));

    uhid_event lying = KernelOutput(kStatusQuery);
    lying.u.output.size = 0xFFFF;
    const auto request = DecodeUhidEvent(BytesOf(lying));
    ASSERT_TRUE(request);
    EXPECT_EQ(request->report.size(), size_t{UHID_DATA_MAX});
}

TEST(UhidEncoding, AnswersBecomeTheKernelsEvents) {
    const Bytes status{0x04, 0xCA, 0x01, 0x03, 0x01, 0x00, 0x01, 0x00};
    const uhid_event input = EncodeUhidAnswer({UhidAnswerType::Input, 0, 0, status});
    EXPECT_EQ(input.type, UHID_INPUT2);
    ASSERT_EQ(input.u.input2.size, status.size());
    EXPECT_EQ(Bytes(input.u.input2.data, input.u.input2.data + status.size()), status);

    const uhid_event got = EncodeUhidAnswer({UhidAnswerType::GetReportReply, 41, EIO, {}});
    EXPECT_EQ(got.type, UHID_GET_REPORT_REPLY);
    EXPECT_EQ(got.u.get_report_reply.id, 41u);
    EXPECT_EQ(got.u.get_report_reply.err, EIO);
    EXPECT_EQ(got.u.get_report_reply.size, 0);

    const uhid_event set = EncodeUhidAnswer({UhidAnswerType::SetReportReply, 42, 0, {}});
    EXPECT_EQ(set.type, UHID_SET_REPORT_REPLY);
    EXPECT_EQ(set.u.set_report_reply.id, 42u);
    EXPECT_EQ(set.u.set_report_reply.err, 0);
}

TEST(UhidEncoding, CreateNamesAUsbDeviceWithTheDescriptor) {
    const UhidIdentity identity{std::string(300, 'n'), "qmb-test", 0x0095, 0xC049, 0x0100};
    const uhid_event event = EncodeUhidCreate(identity, kMouseReportDescriptor);
    EXPECT_EQ(event.type, UHID_CREATE2);
    EXPECT_EQ(event.u.create2.bus, BUS_USB);
    EXPECT_EQ(event.u.create2.vendor, 0x0095u);
    EXPECT_EQ(event.u.create2.product, 0xC049u);
    EXPECT_EQ(event.u.create2.version, 0x0100u);
    // A name too long is cut and still ends in a zero.
    EXPECT_EQ(event.u.create2.name[sizeof event.u.create2.name - 1], 0);
    EXPECT_EQ(event.u.create2.name[sizeof event.u.create2.name - 2], 'n');
    EXPECT_STREQ(reinterpret_cast<const char*>(event.u.create2.phys), "qmb-test");
    ASSERT_EQ(event.u.create2.rd_size, kMouseReportDescriptor.size());
    EXPECT_EQ(Bytes(event.u.create2.rd_data, event.u.create2.rd_data + event.u.create2.rd_size),
              Bytes(kMouseReportDescriptor.begin(), kMouseReportDescriptor.end()));
}

}  // namespace
}  // namespace qmb::emu::test
