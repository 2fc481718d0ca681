#include "core/setsearch/result_text_file.h"

#include "core/setsearch/set_block.h"
#include "core/setsearch/set_row.h"
#include "core/text/cp932.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <limits>

namespace trelkin {
namespace {

// The longest file name, in bytes, that the usual file systems take.
constexpr qsizetype kLongestFileName = 255;
// Sets sampled for an estimate of a file's size.
constexpr std::uint64_t kSampledSets = 32;

// Why nothing can be saved at `path`, found before anything is written; empty where nothing is in the way.
QString refusalOfTarget(const QString& path) {
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    if (QFile::encodeName(target.fileName()).size() > kLongestFileName)
        return QStringLiteral("ファイル名が長すぎます");
    if (target.isDir())
        return QStringLiteral("同じ名前のフォルダがあります");
    if (!folder.isDir())
        return QStringLiteral("保存先のフォルダがありません");
    if (QStorageInfo(folder.absoluteFilePath()).isReadOnly())
        return QStringLiteral("保存先は読み取り専用です");
    if (!folder.isWritable() || (target.exists() && !target.isWritable()))
        return QStringLiteral("保存先に書き込む権限がありません");
    return {};
}

} // namespace

ResultTextFile::ResultTextFile(ResultInOrder result, ResultTextForm form, BlockLine first, BlockLine last,
                               TextFileEncoding encoding, const QString& path)
    : m_result(std::move(result)), m_form(form), m_first(first), m_last(last), m_encoding(encoding), m_file(path),
      m_reader(m_result.reader()) {}

bool ResultTextFile::open() {
    if (const QString refusal = refusalOfTarget(m_file.fileName()); !refusal.isEmpty())
        return fail(refusal);
    return m_file.open(QIODevice::WriteOnly) || failWriting();
}

bool ResultTextFile::fail(const QString& reason) {
    m_error = QStringLiteral("ファイル %1 に保存できませんでした (%2)")
                  .arg(QDir::toNativeSeparators(m_file.fileName()), reason);
    m_file.cancelWriting();
    return false;
}

// A write that failed: on a full disk the file reports a short write without a reason of its own.
bool ResultTextFile::failWriting() {
    const QStorageInfo storage(QFileInfo(m_file.fileName()).absolutePath());
    if (storage.isValid() && storage.bytesAvailable() <= 0)
        return fail(QStringLiteral("ディスクの空き容量が足りません"));
    if (const QString refusal = refusalOfTarget(m_file.fileName()); !refusal.isEmpty())
        return fail(refusal);
    return fail(QStringLiteral("書き込めませんでした: %1").arg(m_file.errorString()));
}

void ResultTextFile::appendLine(QByteArray& out, const std::string& cp932) const {
    if (m_encoding == TextFileEncoding::ShiftJis)
        out.append(cp932.data(), qsizetype(cp932.size()));
    else
        out.append(fromCp932(cp932).toUtf8());
    out.append("\r\n");
}

void ResultTextFile::appendSet(QByteArray& out) {
    const std::uint64_t position = m_first.block + m_written;
    const FoundSet& set = m_reader.at(position);
    const ArmourTables& tables = m_result.result->tables();
    if (m_form == ResultTextForm::TableRows)
        return appendLine(out, setRowLine(setRow(tables, set, m_result.result->torsoUp())));
    const std::vector<std::string> lines = setBlockLines(tables, set, m_result.result->torsoUp());
    const int from = position == m_first.block ? m_first.line : 0;
    const int to = position == m_last.block ? m_last.line : int(lines.size()) - 1;
    for (int line = from; line <= to && line < int(lines.size()); ++line)
        appendLine(out, lines[std::size_t(line)]);
}

QByteArray ResultTextFile::nextText(std::uint64_t sets) {
    QByteArray out;
    for (std::uint64_t i = 0; i < sets && !atEnd(); ++i) {
        appendSet(out);
        ++m_written;
    }
    return out;
}

bool ResultTextFile::writeSome(std::uint64_t sets) {
    const QByteArray out = nextText(sets);
    return m_file.write(out) == out.size() || failWriting();
}

bool ResultTextFile::commit() {
    return m_file.commit() || failWriting();
}

void ResultTextFile::discard() {
    m_file.cancelWriting();
}

std::uint64_t ResultTextFile::estimatedBytes(const ResultInOrder& result, ResultTextForm form,
                                             TextFileEncoding encoding, std::uint64_t sets) {
    const std::uint64_t sampled = std::min(sets, kSampledSets);
    if (sampled == 0)
        return 0;
    ResultTextFile sample(result, form, {0, 0}, {sampled - 1, std::numeric_limits<int>::max()}, encoding, QString());
    return std::uint64_t(sample.nextText(sampled).size()) / sampled * sets;
}

} // namespace trelkin
