// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "device/hidraw/hid_uevent.h"

#include <gtest/gtest.h>

namespace qmb::test {
namespace {

TEST(HidUeventTest, TakesVendorAndProductFromHidId)
{
    const auto ids = ParseHidUevent(
        "DRIVER=hid-generic\n"
        "HID_ID=0003:00000095:0000C048\n"
        "HID_NAME=VELD QMB\n"
        "MODALIAS=hid:b0003g0001v00000095p0000C048\n");
    ASSERT_TRUE(ids.has_value());
    EXPECT_EQ(ids->vendorId, 0x0095);
    EXPECT_EQ(ids->productId, 0xC048);
    EXPECT_EQ(ids->versionNumber, 0);

    const auto lastLine = ParseHidUevent("DRIVER=hid-generic\nHID_ID=0005:0000046D:0000B01A");
    ASSERT_TRUE(lastLine.has_value());
    EXPECT_EQ(lastLine->vendorId, 0x046D);
    EXPECT_EQ(lastLine->productId, 0xB01A);
}

TEST(HidUeventTest, RefusesMissingOrMalformedHidId)
{
    const char* const refused[] = {
        "",
        "DRIVER=hid-generic\nMODALIAS=hid:b0003g0001v00000095p0000C048\n",
        "XHID_ID=0003:00000095:0000C048\n",
        "HID_ID=0003:00000095\n",
        "HID_ID=0003:0000009G:0000C048\n",
        "HID_ID=0003::0000C048\n",
        "HID_ID=0003:00000095:0000C048 \n",
        "HID_ID=0003:00010095:0000C048\n",
        "HID_ID=0003:00000095:FFFFFFFFF\n",
    };
    for (const char* uevent : refused) {
        EXPECT_FALSE(ParseHidUevent(uevent).has_value()) << uevent;
    }
}

}  // namespace
}  // namespace qmb::test
