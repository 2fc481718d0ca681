#include "core/data/data_file_path.h"

#include <QCoreApplication>
#include <QDir>

namespace trelkin {

QString DataFilePath(const QString& fileName) {
    return QDir(QCoreApplication::applicationDirPath()).filePath(fileName);
}

QString dataFilePathIn(const QString& directory, const QString& fileName) {
    return directory.isEmpty() ? DataFilePath(fileName) : QDir(directory).filePath(fileName);
}

} // namespace trelkin
