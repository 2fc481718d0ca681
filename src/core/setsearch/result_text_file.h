#pragma once

#include "core/setsearch/set_result_reader.h"
#include "core/text/block_line.h"

#include <QSaveFile>
#include <QString>
#include <cstdint>

namespace trelkin {

enum class TextFileEncoding { Utf8, ShiftJis };

// What a save writes of each set: the lines of its result block, as the memo shows them, or its table row, as
// the table copies it.
enum class ResultTextForm { Blocks, TableRows };

// Writes sets of a result, in the order it is read in, to a text file, each line ending in CR LF, a few sets at
// a time so that a long save can show its progress and be cancelled. The target is checked before anything is
// written, and the text goes to a temporary file in the target's folder, which becomes the target only when every
// line is written: a cancelled or failed save leaves no file behind.
class ResultTextFile {
public:
    // The sets of `first.block` to `last.block` inclusive (both below the result's size); as blocks, from
    // `first.line` of the first to `last.line` of the last.
    ResultTextFile(ResultInOrder result, ResultTextForm form, BlockLine first, BlockLine last,
                   TextFileEncoding encoding, const QString& path);

    // Checks the target and makes the temporary file; false, with a message, when it cannot.
    bool open();
    // Writes at most `sets` more sets; false, with a message, when writing fails.
    bool writeSome(std::uint64_t sets);
    bool atEnd() const { return m_written == setCount(); }
    std::uint64_t setsWritten() const { return m_written; }
    std::uint64_t setCount() const { return m_last.block - m_first.block + 1; }
    // Puts the written file in the target's place; false, with a message, when that fails.
    bool commit();
    // Drops what was written.
    void discard();

    // What failed, for the user: "ファイル <path> に保存できませんでした (<reason>)", the reason in Japanese.
    QString errorMessage() const { return m_error; }

    // About how many bytes a save of `sets` sets from the first would write: the average of the first few, times
    // their number.
    static std::uint64_t estimatedBytes(const ResultInOrder& result, ResultTextForm form, TextFileEncoding encoding,
                                        std::uint64_t sets);

private:
    // The text of at most `sets` more sets.
    QByteArray nextText(std::uint64_t sets);
    bool fail(const QString& reason);
    bool failWriting();
    void appendSet(QByteArray& out);
    void appendLine(QByteArray& out, const std::string& cp932) const;

    ResultInOrder m_result;
    ResultTextForm m_form;
    BlockLine m_first;
    BlockLine m_last;
    TextFileEncoding m_encoding;
    QSaveFile m_file;
    SetResultReader m_reader;
    std::uint64_t m_written = 0;
    QString m_error;
};

} // namespace trelkin
