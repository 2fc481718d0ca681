#include "gui/main_form.h"
#include "gui/widgets/application_style.h"
#include "gui/widgets/qt_translations.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    trelkin::ui::useApplicationStyle();
    trelkin::ui::useJapaneseQtTexts();
    trelkin::TMainForm mainForm;
    mainForm.show();
    return application.exec();
}
