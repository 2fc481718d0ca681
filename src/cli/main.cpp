#include "cli/cli_app.h"

#include <QCoreApplication>
#include <iostream>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    std::vector<std::string> arguments;
    for (const QString& argument : QCoreApplication::arguments().mid(1))
        arguments.push_back(argument.toStdString());
    return trelkin::cli::runCli(arguments, QCoreApplication::applicationDirPath(), std::cout, std::cerr);
}
