// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include <algorithm>

#include "device/device_link.h"
#include "protocol/model_table.h"
#include "tests/support/scripted_platform.h"

namespace qmb {
namespace {

using test::ScriptedPlatform;

ScriptedPlatform::Interface Collection(uint16_t productId, uint8_t reportId)
{
    ScriptedPlatform::Interface interface;
    interface.productId = productId;
    interface.buttonReportId = reportId;
    return interface;
}

TEST(Discovery, ModelOneTakesOnlyTheElevenStepMouse)
{
    ScriptedPlatform platform;
    platform.interfaces = {Collection(0xC048, 4), Collection(0xC049, 4)};
    DeviceLink link(platform, MouseIdentity(1));
    auto session = link.CommandSession();
    ASSERT_EQ(session.OpenDevice(4), 1);
    EXPECT_EQ(platform.OpenInterface(), 1u);

    platform.interfaces = {Collection(0xC048, 4)};
    EXPECT_EQ(session.OpenDevice(4), 0);
    EXPECT_FALSE(session.isOpen());
}

TEST(Discovery, EveryOtherModelTakesOnlyTheThreeStepMouse)
{
    for (int model : {0, 2, 3, 4, 5, -1, 1000}) {
        ScriptedPlatform platform;
        platform.interfaces = {Collection(0xC049, 4), Collection(0xC048, 4)};
        DeviceLink link(platform, MouseIdentity(model));
        auto session = link.CommandSession();
    ASSERT_EQ(session.OpenDevice(4), 1) << model;
        EXPECT_EQ(platform.OpenInterface(), 1u) << model;
    }
}

TEST(Discovery, ReportIdTellsTheTwoCollectionsApart)
{
    ScriptedPlatform platform;
    platform.interfaces = {Collection(0xC048, 8), Collection(0xC048, 4)};
    DeviceLink link(platform, MouseIdentity(0));
    auto session = link.CommandSession();

    ASSERT_EQ(session.OpenDevice(4), 1);
    EXPECT_EQ(platform.OpenInterface(), 1u);
    EXPECT_EQ(session.capabilities().firstInputButtonReportId, 4);

    ASSERT_EQ(session.OpenDevice(8), 1);
    EXPECT_EQ(platform.OpenInterface(), 0u);

    EXPECT_EQ(session.OpenDevice(5), 0);
    EXPECT_EQ(platform.openHandles, 0);
}

TEST(Discovery, SkipsWhatIsNotTheMouseAndLeaksNoHandle)
{
    ScriptedPlatform platform;
    auto otherVendor = Collection(0xC048, 4);
    otherVendor.vendorId = 0x046D;
    auto noButtons = Collection(0xC048, 4);
    noButtons.buttonCaps = 0;
    auto unopenable = Collection(0xC048, 4);
    unopenable.openFails = true;
    auto noAttributes = Collection(0xC048, 4);
    noAttributes.attributesFail = true;
    platform.interfaces = {otherVendor, noButtons, unopenable, noAttributes, Collection(0xC048, 4)};
    DeviceLink link(platform, MouseIdentity(0));
    auto session = link.CommandSession();

    ASSERT_EQ(session.OpenDevice(4), 1);
    EXPECT_EQ(platform.OpenInterface(), 4u);
    EXPECT_EQ(platform.openHandles, 1);
    session.CloseDevice();
    EXPECT_EQ(platform.openHandles, 0);
}

TEST(Discovery, OtherDevicesKnownFromTheirListingAreNotOpened)
{
    ScriptedPlatform platform;
    auto keyboard = Collection(0xC048, 4);
    keyboard.vendorId = 0x046D;
    keyboard.identityListed = true;
    auto mouse = Collection(0xC048, 4);
    mouse.identityListed = true;
    platform.interfaces = {keyboard, mouse};
    DeviceLink link(platform, MouseIdentity(0));
    auto session = link.CommandSession();

    ASSERT_EQ(session.OpenDevice(4), 1);
    EXPECT_EQ(std::count(platform.calls.begin(), platform.calls.end(), "Open 0"), 0);
    EXPECT_EQ(platform.OpenInterface(), 1u);
}

TEST(Discovery, UnreadableDetailEndsTheSearch)
{
    ScriptedPlatform platform;
    auto broken = Collection(0xC048, 4);
    broken.detailFails = true;
    platform.interfaces = {Collection(0xC048, 8), broken, Collection(0xC048, 4)};
    DeviceLink link(platform, MouseIdentity(0));
    auto session = link.CommandSession();

    EXPECT_EQ(session.OpenDevice(4), 0);
    EXPECT_EQ(std::count(platform.calls.begin(), platform.calls.end(), "Open 2"), 0);
    EXPECT_EQ(platform.calls.back(), "End");
    EXPECT_EQ(platform.openHandles, 0);
}

TEST(Discovery, SecondOpenClosesTheFirstHandleBeforeItSearches)
{
    ScriptedPlatform platform;
    platform.interfaces = {Collection(0xC048, 4)};
    DeviceLink link(platform, MouseIdentity(0));
    auto session = link.CommandSession();
    ASSERT_EQ(session.OpenDevice(4), 1);
    platform.calls.clear();

    ASSERT_EQ(session.OpenDevice(4), 1);
    ASSERT_GE(platform.calls.size(), 2u);
    EXPECT_EQ(platform.calls[0], "Close 0");
    EXPECT_EQ(platform.calls[1], "Begin");
    EXPECT_EQ(platform.openHandles, 1);
}

TEST(Discovery, MissingHidSupportFailsQuietlyAndIsTriedAgain)
{
    ScriptedPlatform platform;
    platform.interfaces = {Collection(0xC048, 4)};
    platform.bindResults = {BindResult::Missing, BindResult::Missing};
    DeviceLink link(platform, MouseIdentity(0));
    auto session = link.CommandSession();

    testing::internal::CaptureStderr();
    EXPECT_EQ(session.OpenDevice(4), 0);
    EXPECT_EQ(session.OpenDevice(4), 0);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(said, "Failed to load hidraw support.\n");

    EXPECT_EQ(session.OpenDevice(4), 1);
    EXPECT_EQ(std::count(platform.calls.begin(), platform.calls.end(), "Bind"), 3);
}

TEST(Discovery, UnusableHidSupportIsNotBoundASecondTime)
{
    ScriptedPlatform platform;
    platform.interfaces = {Collection(0xC048, 4)};
    platform.bindResults = {BindResult::Incomplete};
    DeviceLink link(platform, MouseIdentity(0));
    auto session = link.CommandSession();

    EXPECT_EQ(session.OpenDevice(4), 0);
    EXPECT_EQ(session.OpenDevice(4), 0);
    EXPECT_EQ(std::count(platform.calls.begin(), platform.calls.end(), "Bind"), 1);
}

TEST(Discovery, LostEnumerationUnbindsSoTheNextOpenBindsAgain)
{
    ScriptedPlatform platform;
    platform.interfaces = {Collection(0xC048, 4)};
    platform.enumerationFails = true;
    DeviceLink link(platform, MouseIdentity(0));
    auto session = link.CommandSession();

    EXPECT_EQ(session.OpenDevice(4), 0);
    EXPECT_EQ(platform.calls.back(), "Unbind");
    platform.enumerationFails = false;
    EXPECT_EQ(session.OpenDevice(4), 1);
    EXPECT_EQ(std::count(platform.calls.begin(), platform.calls.end(), "Bind"), 2);
}

}  // namespace
}  // namespace qmb
