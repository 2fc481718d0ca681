#pragma once

#include "core/setsearch/set_result_reader.h"
#include "core/text/block_line.h"

#include <QSaveFile>
#include <QString>
#include <cstdint>
#include <optional>

namespace trelkin {

enum class TextFileEncoding { Utf8, ShiftJis };

// Writes the lines of a result from one line to another, as the memo shows them, to a text file, each line ending
// in CR LF, a few blocks at a time so that a long save can show its progress and be cancelled. The text goes to a
// temporary file in the target's folder, which becomes the target only when every line is written: a cancelled or
// failed save leaves no file behind. The result must outlive the writer.
class ResultTextFile {
public:
    // From `first` to `last` inclusive; both lie below the result's size().
    ResultTextFile(const SetSearchResult& result, BlockLine first, BlockLine last, TextFileEncoding encoding,
                   const QString& path);

    // Makes the temporary file; false, with a message, when it cannot.
    bool open();
    // Writes at most `blocks` more blocks; false, with a message, when writing fails.
    bool writeSome(std::uint64_t blocks);
    bool atEnd() const { return m_written == blockCount(); }
    std::uint64_t blocksWritten() const { return m_written; }
    std::uint64_t blockCount() const { return m_last.block - m_first.block + 1; }
    // Puts the written file in the target's place; false, with a message, when that fails.
    bool commit();
    // Drops what was written.
    void discard();

    // What failed, for the user: "ファイル <path> に保存できませんでした (<reason>)".
    QString errorMessage() const { return m_error; }

private:
    bool fail();
    void appendBlock(QByteArray& out);

    BlockLine m_first;
    BlockLine m_last;
    TextFileEncoding m_encoding;
    QSaveFile m_file;
    SetResultReader m_reader;
    std::uint64_t m_written = 0;
    QString m_error;
};

} // namespace trelkin
