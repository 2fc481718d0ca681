#include "core/data/data_file_path.h"

#include <QCoreApplication>
#include <QDir>

namespace trelkin {

QString DataFilePath(const QString& fileName) {
    return dataFilePathIn(QCoreApplication::applicationDirPath(), fileName);
}

QString dataFilePathIn(const QString& directory, const QString& fileName) {
    return QDir(directory).filePath(fileName);
}

} // namespace trelkin
