#include "gui/widgets/application_style.h"
#include "gui/widgets/dialogs.h"

#include <QApplication>
#include <gtest/gtest.h>

// Widget tests draw offscreen unless the environment asks for a real display.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    trelkin::ui::useApplicationStyle();
    // A modal dialog would stall an offscreen test: one that no test expects fails the test instead.
    const auto unexpected = [](const char* what, const QString& text) {
        ADD_FAILURE() << "unexpected " << what << ": " << text.toStdString();
    };
    trelkin::ui::setDialogs({
        [&](QWidget*, const QString&, const QString& text) { unexpected("information box", text); },
        [&](QWidget*, const QString&, const QString& text) { return unexpected("confirmation", text), false; },
        [&](QWidget*, const QString&, const QString& text) { unexpected("error box", text); },
        [&](QWidget*, const QString& caption, const QStringList&, const QString&) {
            unexpected("file dialog", caption);
            return std::optional<trelkin::ui::SaveFileChoice>();
        },
    });
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
