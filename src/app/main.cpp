#include "gui/main_form.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    trelkin::TMainForm mainForm;
    mainForm.show();
    return application.exec();
}
