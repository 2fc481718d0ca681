#pragma once

#include <QString>
#include <QTemporaryDir>
#include <string>
#include <string_view>

namespace trelkin::testing {

// A private directory in which tests write data files made from plain text in code.
class DataDirectory {
public:
    DataDirectory();

    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

    // Writes the bytes as they are and returns the file's path.
    QString writeRaw(const QString& name, std::string_view bytes) const;
    // Writes the data file of a plain text (code page 932 bytes) and returns its path.
    QString writeScrambled(const QString& name, std::string_view plain) const;
    // Writes the data file of a UTF-8 text converted to code page 932 and returns its path.
    QString writeScrambledUtf8(const QString& name, const QString& text) const;

private:
    QTemporaryDir m_dir;
};

// Code page 932 bytes of a UTF-8 literal.
std::string sjis(const char* utf8);

} // namespace trelkin::testing
