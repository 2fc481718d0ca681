#include "core/setsearch/result_text_file.h"

#include "core/setsearch/set_block.h"
#include "core/text/cp932.h"

#include <QDir>

namespace trelkin {

ResultTextFile::ResultTextFile(const SetSearchResult& result, BlockLine first, BlockLine last,
                               TextFileEncoding encoding, const QString& path)
    : m_first(first), m_last(last), m_encoding(encoding), m_file(path), m_reader(result) {}

bool ResultTextFile::open() {
    return m_file.open(QIODevice::WriteOnly) || fail();
}

bool ResultTextFile::fail() {
    m_error = QStringLiteral("ファイル %1 に保存できませんでした (%2)")
                  .arg(QDir::toNativeSeparators(m_file.fileName()), m_file.errorString());
    m_file.cancelWriting();
    return false;
}

void ResultTextFile::appendBlock(QByteArray& out) {
    const std::uint64_t block = m_first.block + m_written;
    const std::vector<std::string> lines = setBlockLines(m_reader.result().tables(), m_reader.at(block));
    const int from = block == m_first.block ? m_first.line : 0;
    const int to = block == m_last.block ? m_last.line : int(lines.size()) - 1;
    for (int line = from; line <= to && line < int(lines.size()); ++line) {
        const std::string& text = lines[std::size_t(line)];
        if (m_encoding == TextFileEncoding::ShiftJis)
            out.append(text.data(), qsizetype(text.size()));
        else
            out.append(fromCp932(text).toUtf8());
        out.append("\r\n");
    }
}

bool ResultTextFile::writeSome(std::uint64_t blocks) {
    QByteArray out;
    for (std::uint64_t i = 0; i < blocks && !atEnd(); ++i) {
        appendBlock(out);
        ++m_written;
    }
    return m_file.write(out) == out.size() || fail();
}

bool ResultTextFile::commit() {
    return m_file.commit() || fail();
}

void ResultTextFile::discard() {
    m_file.cancelWriting();
}

} // namespace trelkin
