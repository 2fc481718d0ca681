#pragma once

#include "support/qt_printers.h"

#include <QObject>
#include <QString>
#include <gtest/gtest.h>

namespace trelkin::testing {

// The child widget of that object name, as the window names its controls; a missing one fails the test.
template <typename Widget> Widget* findWidget(const QObject& root, const QString& name) {
    auto* widget = root.findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
}

} // namespace trelkin::testing
