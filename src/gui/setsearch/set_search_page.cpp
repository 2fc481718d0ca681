#include "gui/setsearch/set_search_page.h"

#include "core/armour/armour_selectors.h"
#include "core/setsearch/set_search_run.h"
#include "core/text/count_text.h"
#include "gui/setsearch/result_saving.h"
#include "gui/setsearch/set_result_source.h"
#include "gui/widgets/block_text_view.h"
#include "gui/widgets/dialogs.h"
#include "gui/widgets/name_items.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <limits>

namespace trelkin {
namespace {

// Often enough for the bars and the growing result to look live, rarely enough to cost nothing.
constexpr int kProgressIntervalMs = 40;
constexpr int kProgressBarHeight = 6;
constexpr std::uint64_t kBytesPerMegabyte = 1 << 20;
constexpr std::uint64_t kMegabytesPerGigabyte = 1 << 10;
// A copied character is about two bytes on its way to the clipboard.
constexpr std::uint64_t kBytesPerCharacter = 2;
const QStringList kSaveFilters{QStringLiteral("テキスト UTF-8 (*.txt)"), QStringLiteral("テキスト Shift-JIS (*.txt)")};
// Narrow enough that the conditions fit beside the detail group at the window's smallest size.
constexpr int kFieldWidth = 64;
constexpr int kSelectorCharacters = 8;
constexpr int kVisibleSkills = 20;
// The inner boxes of the conditions sit close, so that the result keeps more lines at the window's smallest size.
constexpr int kInnerBoxMargin = 6;
constexpr int kInnerBoxSpacing = 4;

QVBoxLayout* compactRows(QGroupBox* box) {
    auto* rows = new QVBoxLayout(box);
    rows->setContentsMargins(kInnerBoxMargin, kInnerBoxMargin, kInnerBoxMargin, kInnerBoxMargin);
    rows->setSpacing(kInnerBoxSpacing);
    return rows;
}

QSpinBox* makeUnboundedField(int value, QWidget* parent) {
    auto* field = new QSpinBox(parent);
    field->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    field->setValue(value);
    field->setFixedWidth(kFieldWidth);
    return field;
}

QComboBox* makeChoice(const QString& name, const QStringList& items, int startItem, QWidget* parent) {
    auto* choice = new QComboBox(parent);
    choice->setObjectName(name);
    choice->addItems(items);
    choice->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    choice->setMinimumContentsLength(kSelectorCharacters);
    choice->setCurrentIndex(startItem);
    return choice;
}

// "約 12 MB", or "約 3.4 GB" from a gigabyte on.
QString approximateSize(std::uint64_t bytes) {
    const std::uint64_t megabytes = std::max<std::uint64_t>(1, bytes / kBytesPerMegabyte);
    if (megabytes < kMegabytesPerGigabyte)
        return QStringLiteral("約 %1 MB").arg(megabytes);
    return QStringLiteral("約 %1 GB").arg(double(megabytes) / kMegabytesPerGigabyte, 0, 'f', 1);
}

// A check box with its caption split around the spin box that stands in its gap.
QWidget* limitRow(QCheckBox* check, QSpinBox* field, const QString& after, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(check);
    layout->addWidget(field);
    layout->addWidget(new QLabel(after, row));
    layout->addStretch(1);
    return row;
}

} // namespace

SetSearchPage::SetSearchPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabSheet15"));
    m_memo2 = new ui::BlockTextView(this);
    m_memo2->setObjectName(QStringLiteral("Memo2"));
    m_memo2->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_memo2, &ui::BlockTextView::copyTooLarge, this, &SetSearchPage::offerSaving);
    connect(m_memo2, &QWidget::customContextMenuRequested, this, &SetSearchPage::showResultMenu);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(makeConditions());
    layout->addLayout(makeResultTitle());
    layout->addWidget(m_memo2, 1);
    layout->addWidget(makeProgressStrip());

    m_progressTimer.setInterval(kProgressIntervalMs);
    connect(&m_progressTimer, &QTimer::timeout, this, &SetSearchPage::takeProgress);
}

SetSearchPage::~SetSearchPage() {
    stopSearch();
}

QWidget* SetSearchPage::makeConditions() {
    auto* conditions = new QGroupBox(QStringLiteral("検索条件"), this);
    auto* skills = new QGroupBox(QStringLiteral("発動スキル"), conditions);
    auto* skillRows = compactRows(skills);
    const std::array<const char*, SetSearchQuery::kWantedSkillCount> names{"ComboBox1", "ComboBox2", "ComboBox3"};
    for (std::size_t i = 0; i < m_wanted.size(); ++i) {
        m_wanted[i] = new QComboBox(skills);
        m_wanted[i]->setObjectName(QString::fromLatin1(names[i]));
        m_wanted[i]->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        m_wanted[i]->setMinimumContentsLength(kSelectorCharacters);
        m_wanted[i]->setMaxVisibleItems(kVisibleSkills);
        skillRows->addWidget(m_wanted[i]);
    }
    auto* type = new QGroupBox(QStringLiteral("タイプ"), conditions);
    auto* typeRows = compactRows(type);
    const SetSearchQuery start;
    m_comboBox5 = makeChoice(QStringLiteral("ComboBox5"), sexChoiceItems(), int(start.sex), type);
    m_comboBox4 = makeChoice(QStringLiteral("ComboBox4"), classChoiceItems(), int(start.wearerClass), type);
    typeRows->addWidget(m_comboBox5);
    typeRows->addWidget(m_comboBox4);

    auto* other = new QGroupBox(QStringLiteral("その他の条件"), conditions);
    auto* otherRows = compactRows(other);
    m_checkBox1 = new QCheckBox(QStringLiteral("それぞれの防御力が"), other);
    m_checkBox2 = new QCheckBox(QStringLiteral("トータルの防御力が"), other);
    m_spinEdit3 = makeUnboundedField(SetSearchQuery::kStartMinEachDef, other);
    m_spinEdit4 = makeUnboundedField(SetSearchQuery::kStartMinTotalDef, other);
    for (QCheckBox* check : {m_checkBox1, m_checkBox2})
        check->setChecked(true);
    otherRows->addWidget(limitRow(m_checkBox1, m_spinEdit3, QStringLiteral("以上"), other));
    otherRows->addWidget(limitRow(m_checkBox2, m_spinEdit4, QStringLiteral("以上"), other));

    m_button1 = new QPushButton(QStringLiteral("検索"), conditions);

    m_button1->setAutoDefault(true); // a focused button answers Enter, not only Space
    m_button1->setObjectName(QStringLiteral("Button1"));
    connect(m_button1, &QPushButton::clicked, this, &SetSearchPage::Button1Click);

    auto* grid = new QGridLayout(conditions);
    grid->setVerticalSpacing(kInnerBoxSpacing);
    grid->addWidget(skills, 0, 0, 2, 1);
    grid->addWidget(type, 0, 1);
    grid->addWidget(m_button1, 1, 1);
    grid->addWidget(other, 2, 0, 1, 2);
    return conditions;
}

QWidget* SetSearchPage::makeProgressStrip() {
    auto* strip = new QWidget(this);
    auto* bars = new QVBoxLayout;
    bars->setSpacing(1);
    const std::array<const char*, kArmourSlotCount> names{"ProgressBar1", "ProgressBar2", "ProgressBar3",
                                                          "ProgressBar4", "ProgressBar5"};
    for (std::size_t i = 0; i < m_progressBars.size(); ++i) {
        m_progressBars[i] = new QProgressBar(strip);
        m_progressBars[i]->setObjectName(QString::fromLatin1(names[i]));
        m_progressBars[i]->setTextVisible(false);
        m_progressBars[i]->setFixedHeight(kProgressBarHeight);
        bars->addWidget(m_progressBars[i]);
    }
    m_button2 = new QPushButton(QStringLiteral("中止"), strip);
    m_button2->setAutoDefault(true); // a focused button answers Enter, not only Space
    m_button2->setObjectName(QStringLiteral("Button2"));
    m_button2->hide();
    connect(m_button2, &QPushButton::clicked, this, &SetSearchPage::Button2Click);
    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(bars, 1);
    layout->addWidget(m_button2);
    return strip;
}

QLayout* SetSearchPage::makeResultTitle() {
    m_foundCount = new QLabel(this);
    m_foundCount->setObjectName(QStringLiteral("LabelSetCount"));
    m_foundCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_saveButton = new QPushButton(QStringLiteral("ファイルに保存…"), this);
    m_saveButton->setAutoDefault(true); // a focused button answers Enter, not only Space
    m_saveButton->setObjectName(QStringLiteral("ButtonSave"));
    m_saveButton->setEnabled(false);
    connect(m_saveButton, &QPushButton::clicked, this, &SetSearchPage::saveAll);
    auto* title = new QHBoxLayout;
    title->addWidget(new QLabel(QStringLiteral("セット検索結果"), this));
    title->addWidget(m_foundCount, 1);
    title->addWidget(m_saveButton);
    return title;
}

void SetSearchPage::fillSkillSelectors(const ArmourTables& tables) {
    m_tables = &tables;
    const std::vector<std::string> skills = activatedSkillItems(tables.SkillDatas);
    for (QComboBox* selector : m_wanted)
        ui::setNameItems(selector, skills);
}

SetSearchQuery SetSearchPage::queryFromInputs() const {
    SetSearchQuery query;
    for (std::size_t i = 0; i < m_wanted.size(); ++i)
        query.WantedSkills[i] = ui::selectedName(m_wanted[i]).value_or(std::string());
    query.sex = sexOfChoice(m_comboBox5->currentIndex());
    query.wearerClass = classOfChoice(m_comboBox4->currentIndex());
    query.MinEachDef = m_checkBox1->isChecked() ? m_spinEdit3->value() : 0;
    query.MinTotalDef = m_checkBox2->isChecked() ? m_spinEdit4->value() : 0;
    return query;
}

void SetSearchPage::Button1Click() {
    // A second search while one runs is refused: both would write to the same result and bars.
    if (!m_tables || isSearching())
        return;
    const SetSearchQuery query = queryFromInputs();
    if (!SetSearchQuery::mayStart(query.WantedSkills, m_checkBox1->isChecked(), m_checkBox2->isChecked()))
        return;
    m_button2->show();
    m_result.reset();
    m_memo2->setSource(nullptr);
    m_saveButton->setEnabled(false);
    showFound(0);
    m_run = std::make_unique<SetSearchRun>(*m_tables, query);
    const SetSearchProgress progress = m_run->progress();
    for (const ArmourSlot slot : kArmourSlots) {
        QProgressBar* bar = m_progressBars[slotIndex(slot)];
        bar->setRange(0, progress.positions[slotIndex(slot)]);
        bar->setValue(progress.positions[slotIndex(slot)]);
    }
    m_progressTimer.start();
}

void SetSearchPage::showFound(std::uint64_t found) {
    m_memo2->setBlockCount(found);
    m_foundCount->setText(groupedCountText(found));
    m_saveButton->setEnabled(found > 0);
}

std::uint64_t SetSearchPage::foundCount() const {
    return m_result ? m_result->size() : 0;
}

// The timer's look at the running search; nothing moves while the user is asked whether to stop it.
void SetSearchPage::takeProgress() {
    if (m_confirming)
        return;
    if (m_run->isDone())
        return finishSearch();
    showProgress();
}

void SetSearchPage::showProgress() {
    if (!m_result && (m_result = m_run->result()))
        m_memo2->setSource(std::make_shared<SetResultSource>(m_result));
    const SetSearchProgress progress = m_run->progress();
    showFound(progress.found);
    for (std::size_t slot = 0; slot < kArmourSlotCount; ++slot)
        m_progressBars[slot]->setValue(progress.positions[slot]);
}

void SetSearchPage::finishSearch() {
    m_progressTimer.stop();
    m_run->wait();
    showProgress();
    const SetSearchEnd end = m_run->end();
    m_run.reset();
    m_button2->hide();
    if (end == SetSearchEnd::Finished)
        ui::showInformation(this, QStringLiteral("情報"), QStringLiteral("検索が完了しました"));
    else if (const QString failure = setSearchEndMessage(end); !failure.isEmpty())
        ui::showErrorBox(this, failure);
}

void SetSearchPage::Button2Click() {
    if (!isSearching())
        return;
    // The search waits while the user is asked, as it would inside the box if it ran on the window's thread.
    m_run->pause();
    m_confirming = true;
    const bool stop = ui::askConfirmation(this, QStringLiteral("確認"), QStringLiteral("中止してもよろしいですか?"));
    m_confirming = false;
    if (!isSearching())
        return;
    if (!stop)
        return m_run->resume();
    m_run->stop();
    finishSearch();
}

void SetSearchPage::stopSearch() {
    if (!isSearching())
        return;
    m_run->stop();
    m_progressTimer.stop();
    m_run.reset();
    m_button2->hide();
}

void SetSearchPage::offerSaving(std::uint64_t blocks, std::uint64_t characters) {
    const QString question = QStringLiteral("選択された %1 のセット (%2) はクリップボードにコピーするには大きすぎます。"
                                            "ファイルに保存しますか?")
                                 .arg(groupedCountText(blocks), approximateSize(characters * kBytesPerCharacter));
    if (ui::askConfirmation(this, QStringLiteral("コピー"), question))
        saveSelection();
}

void SetSearchPage::saveSelection() {
    if (!m_memo2->hasSelection())
        return saveAll();
    const auto [first, last] = m_memo2->selection();
    saveLines(first, last);
}

void SetSearchPage::saveAll() {
    const std::uint64_t found = m_memo2->blockCount();
    if (found > 0)
        saveLines({0, 0}, {found - 1, std::numeric_limits<int>::max()});
}

void SetSearchPage::saveLines(BlockLine first, BlockLine last) {
    if (!m_result || m_saving)
        return;
    const std::optional<ui::SaveFileChoice> choice =
        ui::chooseSaveFile(this, QStringLiteral("セット検索結果の保存"), kSaveFilters);
    if (!choice)
        return;
    const TextFileEncoding encoding = choice->filter == 1 ? TextFileEncoding::ShiftJis : TextFileEncoding::Utf8;
    m_saving = new ResultSaving(m_result, first, last, encoding, choice->path, this);
    m_saving->start();
}

void SetSearchPage::showResultMenu(const QPoint& at) {
    QMenu menu(this);
    menu.addAction(QStringLiteral("コピー"), QKeySequence::Copy, m_memo2, &ui::BlockTextView::copy)
        ->setEnabled(m_memo2->hasSelection());
    menu.addAction(QStringLiteral("すべて選択"), QKeySequence::SelectAll, m_memo2, &ui::BlockTextView::selectAll);
    menu.addSeparator();
    menu.addAction(QStringLiteral("選択範囲をファイルに保存…"), this, &SetSearchPage::saveSelection)
        ->setEnabled(m_memo2->hasSelection());
    menu.addAction(QStringLiteral("すべてをファイルに保存…"), this, &SetSearchPage::saveAll)
        ->setEnabled(m_memo2->blockCount() > 0);
    menu.exec(m_memo2->mapToGlobal(at));
}

} // namespace trelkin
