#include "gui/widgets/application_style.h"
#include "gui/widgets/error_box.h"

#include <QApplication>
#include <gtest/gtest.h>

// Widget tests draw offscreen unless the environment asks for a real display.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    trelkin::ui::useApplicationStyle();
    // A modal box would stall an offscreen test: an error box that no test expects fails the test instead.
    trelkin::ui::setErrorBoxSink([](QWidget*, const QString&, const QString& text) {
        ADD_FAILURE() << "unexpected error box: " << text.toStdString();
    });
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
