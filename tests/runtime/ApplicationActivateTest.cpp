// The application's activation event: once when the application as a whole
// comes to the front, not for moves between its own windows. (The offscreen
// platform cannot send the application to the background.)
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include "runtime/TApplication.h"
#include "runtime/TForm.h"
#include "support/TestPlatform.h"

using namespace quorvant;
using namespace quorvant::runtime;

namespace {

TEST(ApplicationActivate, FiresWhenTheApplicationComesToTheFrontOnly)
{
    quorvant::testing::FreshPlatform();
    int activations = 0;
    QWidget* activeAtTheTime = nullptr;
    Application().OnActivate = [&] {
        ++activations;
        activeAtTheTime = QApplication::activeWindow();
    };
    TForm a, b;
    a.resize(100, 100);
    b.resize(100, 100);
    a.show();
    a.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&a));
    EXPECT_TRUE(QTest::qWaitFor([&] { return activations == 1; }, 1000));
    // It waits for the window: a focus move in the handler is an ordinary one.
    EXPECT_EQ(activeAtTheTime, &a);
    b.show();
    b.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&b));
    QTest::qWait(50);
    EXPECT_EQ(activations, 1) << "a move between our own windows is no activation";
    a.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&a));
    QTest::qWait(50);
    EXPECT_EQ(activations, 1);
    Application().OnActivate = nullptr;
}

} // namespace
