#pragma once
// The start of every focus test: the form shown and active, the focus in
// its field `a`, and the journal emptied of what that took.
#include <QTest>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "support/TestPlatform.h"

namespace quorvant::testing {

template <class Form, std::vector<std::string>& Journal> class ActiveFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        FreshPlatform();
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        form.a->setFocus(Qt::OtherFocusReason);
        Journal.clear();
    }
    Form form;
};

} // namespace quorvant::testing
