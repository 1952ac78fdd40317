#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

#include "controls/entry/TNumericField.h"
#include "controls/keys/TEntryController.h"
#include "controls/keys/TIntlSup.h"
#include "support/TestPlatform.h"

using namespace quorvant::controls;
using quorvant::platform::MessageBoxIcon;
using quorvant::testing::FreshPlatform;

TEST(TEntryController, WhichControllerAControlUses)
{
    QWidget form;
    auto* field = new TNumericField(&form);
    TEntryController& fallback = TEntryController::DefaultController();
    EXPECT_EQ(&field->EffectiveController(), &fallback);
    EXPECT_EQ(&TEntryController::DefaultController(), &fallback); // created once

    auto* first = new TEntryController(&form);
    new TEntryController(&form);
    EXPECT_EQ(&field->EffectiveController(), first);

    TEntryController own;
    field->SetController(&own);
    EXPECT_EQ(&field->EffectiveController(), &own);
}

TEST(TEntryController, Defaults)
{
    TEntryController c;
    EXPECT_EQ(c.EntryOptions, unsigned(efoAutoSelect | efoBeepOnError | efoInsertPushes));
    EXPECT_TRUE(c.InsertMode);
    EXPECT_FALSE(c.ErrorPending);
    EXPECT_TRUE(c.ErrorText.isEmpty());
    c.SetEpoch(1950);
    EXPECT_EQ(c.Epoch(), 1950);
    c.SetEpoch(1599);
    c.SetEpoch(4000);
    EXPECT_EQ(c.Epoch(), 1950);
}

TEST(TEntryController, ReportsThroughHandlerOrErrorBox)
{
    auto& platform = FreshPlatform();
    TEntryController c;
    QWidget form;
    c.DoReportError(&form, 256, "Value is not within required range");
    ASSERT_EQ(platform.messageBoxes.size(), 1u);
    EXPECT_EQ(platform.messageBoxes[0].text, "Value is not within required range");
    EXPECT_EQ(platform.messageBoxes[0].icon, MessageBoxIcon::Error);
    EXPECT_EQ(platform.messageBoxes[0].owner, &form);

    int calls = 0;
    c.OnError = [&](QObject* sender, std::uint16_t code, const QString& msg) {
        ++calls;
        EXPECT_EQ(sender, &form);
        EXPECT_EQ(code, 257);
        EXPECT_EQ(msg, "x");
    };
    c.DoReportError(&form, 257, "x");
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(platform.messageBoxes.size(), 1u);

    EXPECT_FALSE(c.IsSpecialControl(&form, &form));
    c.OnIsSpecialControl = [](QObject*, QWidget*, bool& special) { special = true; };
    EXPECT_TRUE(c.IsSpecialControl(&form, &form));
}

TEST(TEntryController, PostedWorkRunsLaterInOrderAndContainsFailures)
{
    FreshPlatform();
    TEntryController c;
    std::vector<int> order;
    c.Post(nullptr, [&] { order.push_back(1); });
    c.Post(nullptr, [&] {
        order.push_back(2);
        throw std::runtime_error("handler failure");
    });
    c.Post(nullptr, [&] { order.push_back(3); });
    EXPECT_TRUE(order.empty());
    QApplication::processEvents();
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));

    // A field gone before its focus return is not touched.
    auto* field = new TNumericField;
    c.PostFocusBack(field);
    delete field;
    QApplication::processEvents();
}
