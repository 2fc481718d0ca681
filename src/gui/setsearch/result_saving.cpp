#include "gui/setsearch/result_saving.h"

#include "gui/widgets/dialogs.h"

#include <QElapsedTimer>
#include <QProgressDialog>

namespace trelkin {
namespace {

// A slice of writing stops after this long, so the window answers in between.
constexpr qint64 kSliceMs = 30;
constexpr std::uint64_t kBlocksPerWrite = 256;
constexpr int kProgressSteps = 1000;

} // namespace

ResultSaving::ResultSaving(ResultInOrder result, ResultTextForm form, BlockLine first, BlockLine last,
                           TextFileEncoding encoding, const QString& path, QWidget* parent)
    : QObject(parent), m_file(std::move(result), form, first, last, encoding, path), m_path(path), m_parent(parent) {
    m_steps.setInterval(0);
    connect(&m_steps, &QTimer::timeout, this, &ResultSaving::step);
}

ResultSaving::~ResultSaving() {
    m_file.discard();
}

void ResultSaving::start() {
    if (!m_file.open())
        return end(m_file.errorMessage());
    m_progress =
        new QProgressDialog(QStringLiteral("保存しています…"), QStringLiteral("中止"), 0, kProgressSteps, m_parent);
    m_progress->setWindowTitle(QStringLiteral("保存"));
    m_progress->setWindowModality(Qt::WindowModal);
    m_progress->setMinimumDuration(0);
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
    connect(m_progress, &QProgressDialog::canceled, this, [this] { end(QString()); });
    m_steps.start();
}

void ResultSaving::step() {
    QElapsedTimer slice;
    slice.start();
    while (!m_file.atEnd() && slice.elapsed() < kSliceMs)
        if (!m_file.writeSome(kBlocksPerWrite))
            return end(m_file.errorMessage());
    m_progress->setValue(int(double(m_file.setsWritten()) / double(m_file.setCount()) * kProgressSteps));
    // Showing the progress lets the user's events through, a click on "中止" among them.
    if (m_ended || !m_file.atEnd())
        return;
    if (!m_file.commit())
        return end(m_file.errorMessage());
    emit saved(m_path);
    end(QString());
}

// Ends the save: written and committed, cancelled, or failed with `failure`.
void ResultSaving::end(const QString& failure) {
    m_ended = true;
    m_steps.stop();
    if (m_progress) {
        m_progress->disconnect(this);
        m_progress->deleteLater();
    }
    m_progress = nullptr;
    m_file.discard();
    if (!failure.isEmpty())
        ui::showErrorBox(m_parent, failure);
    deleteLater();
}

} // namespace trelkin
