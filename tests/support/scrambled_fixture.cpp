#include "support/scrambled_fixture.h"

#include "core/data/common.h"
#include "core/text/cp932.h"

#include <QFile>
#include <stdexcept>

namespace trelkin::testing {

DataDirectory::DataDirectory() {
    if (!m_dir.isValid())
        throw std::runtime_error("no temporary directory");
}

QString DataDirectory::writeRaw(const QString& name, std::string_view bytes) const {
    const QString path = filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()))
        throw std::runtime_error("cannot write " + path.toStdString());
    return path;
}

QString DataDirectory::writeScrambled(const QString& name, std::string_view plain) const {
    return writeRaw(name, scrambleText(plain));
}

QString DataDirectory::writeScrambledUtf8(const QString& name, const QString& text) const {
    return writeScrambled(name, toCp932(text));
}

std::string sjis(const char* utf8) {
    return toCp932(QString::fromUtf8(utf8));
}

} // namespace trelkin::testing
