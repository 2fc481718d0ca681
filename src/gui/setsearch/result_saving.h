#pragma once

#include "core/setsearch/result_text_file.h"

#include <QObject>
#include <QTimer>
#include <memory>

class QProgressDialog;

namespace trelkin {

// One save of result lines to a file, in progress: a slice of blocks is written at every tick of a timer, so the
// window stays usable, while a progress dialog shows how far it has come and offers to cancel. A failure is shown
// in an error box. The object deletes itself when the save ends, however it ends.
class ResultSaving : public QObject {
    Q_OBJECT
public:
    ResultSaving(ResultInOrder result, ResultTextForm form, BlockLine first, BlockLine last, TextFileEncoding encoding,
                 const QString& path, QWidget* parent);
    ~ResultSaving() override;

    // Starts writing; a file that cannot be made is reported at once.
    void start();

signals:
    void saved(const QString& path);

private:
    void step();
    void end(const QString& failure);

    ResultTextFile m_file;
    QString m_path;
    QWidget* m_parent;
    QProgressDialog* m_progress = nullptr;
    QTimer m_steps;
    bool m_ended = false;
};

} // namespace trelkin
