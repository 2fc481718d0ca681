#include "gui/setsearch/set_search_page.h"

#include "core/armour/armour_selectors.h"
#include "core/setsearch/set_block.h"
#include "core/text/cp932.h"
#include "gui/widgets/block_text_view.h"
#include "gui/widgets/error_box.h"
#include "gui/widgets/message_boxes.h"
#include "gui/widgets/name_items.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <limits>
#include <mutex>
#include <thread>

namespace trelkin {
namespace {

// Often enough for the bars and the growing result to look live, rarely enough to cost nothing.
constexpr int kProgressIntervalMs = 40;
constexpr int kProgressBarHeight = 6;
constexpr int kDefaultMinEachDef = 15;
constexpr int kDefaultMinTotalDef = 75;
constexpr int kDefaultTypeChoice = 1; // 男 and 剣士
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

QComboBox* makeChoice(const QString& name, const QStringList& items, QWidget* parent) {
    auto* choice = new QComboBox(parent);
    choice->setObjectName(name);
    choice->addItems(items);
    choice->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    choice->setMinimumContentsLength(kSelectorCharacters);
    choice->setCurrentIndex(kDefaultTypeChoice);
    return choice;
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

// One search in flight: the thread, what it shares with the page, and the batches found since the last look.
struct SetSearchPage::RunningSearch {
    SetSearchMonitor monitor;
    std::mutex mutex;
    std::vector<std::vector<FoundSet>> pending;
    std::atomic_bool done{false};
    SetSearchEnd end = SetSearchEnd::Finished;
    bool pageOutOfMemory = false; // the page could not hold what was found
    std::jthread thread;
};

SetSearchPage::SetSearchPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabSheet15"));
    m_memo2 = new ui::BlockTextView(this);
    m_memo2->setObjectName(QStringLiteral("Memo2"));
    m_memo2->setBlockLines([this](std::size_t block) {
        QStringList lines;
        for (const std::string& line : setBlockLines(*m_tables, m_found[block]))
            lines << fromCp932(line);
        return lines;
    });
    m_foundCount = new QLabel(this);
    m_foundCount->setObjectName(QStringLiteral("LabelSetCount"));
    m_foundCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* resultTitle = new QHBoxLayout;
    resultTitle->addWidget(new QLabel(QStringLiteral("セット検索結果"), this));
    resultTitle->addWidget(m_foundCount, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(makeConditions());
    layout->addLayout(resultTitle);
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
    m_comboBox5 =
        makeChoice(QStringLiteral("ComboBox5"), {QString(), QStringLiteral("男"), QStringLiteral("女")}, type);
    m_comboBox4 =
        makeChoice(QStringLiteral("ComboBox4"), {QString(), QStringLiteral("剣士"), QStringLiteral("ガンナー")}, type);
    typeRows->addWidget(m_comboBox5);
    typeRows->addWidget(m_comboBox4);

    auto* other = new QGroupBox(QStringLiteral("その他の条件"), conditions);
    auto* otherRows = compactRows(other);
    m_checkBox1 = new QCheckBox(QStringLiteral("それぞれの防御力が"), other);
    m_checkBox2 = new QCheckBox(QStringLiteral("トータルの防御力が"), other);
    m_spinEdit3 = makeUnboundedField(kDefaultMinEachDef, other);
    m_spinEdit4 = makeUnboundedField(kDefaultMinTotalDef, other);
    for (QCheckBox* check : {m_checkBox1, m_checkBox2})
        check->setChecked(true);
    otherRows->addWidget(limitRow(m_checkBox1, m_spinEdit3, QStringLiteral("以上"), other));
    otherRows->addWidget(limitRow(m_checkBox2, m_spinEdit4, QStringLiteral("以上"), other));

    m_button1 = new QPushButton(QStringLiteral("検索"), conditions);
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
    m_button2->setObjectName(QStringLiteral("Button2"));
    m_button2->hide();
    connect(m_button2, &QPushButton::clicked, this, &SetSearchPage::Button2Click);
    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(bars, 1);
    layout->addWidget(m_button2);
    return strip;
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
    query.sex = SetSearchQuery::Sex(std::max(0, m_comboBox5->currentIndex()));
    query.wearerClass = SetSearchQuery::WearerClass(std::max(0, m_comboBox4->currentIndex()));
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
    m_found.clear();
    m_memo2->setBlockCount(0);
    m_foundCount->setText(QStringLiteral("0件"));
    m_running = std::make_unique<RunningSearch>();
    for (const ArmourSlot slot : kArmourSlots) {
        const int last = int(m_tables->slotTable(slot).size()) - 1;
        m_progressBars[slotIndex(slot)]->setRange(0, std::max(0, last));
        m_progressBars[slotIndex(slot)]->setValue(std::max(0, last));
        m_running->monitor.Positions[slotIndex(slot)] = std::max(0, last);
    }
    RunningSearch& running = *m_running;
    const ArmourTables& tables = *m_tables;
    running.thread = std::jthread([&running, &tables, query] {
        running.end = searchArmourSets(tables, query, running.monitor, [&running](std::vector<FoundSet>&& batch) {
            const std::lock_guard lock(running.mutex);
            running.pending.push_back(std::move(batch));
        });
        running.done = true;
    });
    m_progressTimer.start();
}

void SetSearchPage::takeProgress() {
    // Read before draining: every batch handed on before the search ended is then drained below.
    const bool done = m_running->done;
    std::vector<std::vector<FoundSet>> batches;
    {
        const std::lock_guard lock(m_running->mutex);
        batches.swap(m_running->pending);
    }
    try {
        for (const std::vector<FoundSet>& batch : batches)
            m_found.append(batch);
    } catch (const std::bad_alloc&) {
        m_running->monitor.CancelRequested = true;
        m_running->pageOutOfMemory = true;
    }
    m_memo2->setBlockCount(m_found.size());
    m_foundCount->setText(QStringLiteral("%1件").arg(m_found.size()));
    for (std::size_t slot = 0; slot < kArmourSlotCount; ++slot)
        m_progressBars[slot]->setValue(m_running->monitor.Positions[slot]);
    if (done)
        finishSearch();
}

void SetSearchPage::finishSearch() {
    m_progressTimer.stop();
    m_running->thread.join();
    const SetSearchEnd end = m_running->pageOutOfMemory ? SetSearchEnd::OutOfMemory : m_running->end;
    m_running.reset();
    m_button2->hide();
    if (end == SetSearchEnd::Finished)
        ui::showInformation(this, QStringLiteral("情報"), QStringLiteral("検索が完了しました"));
    else if (end == SetSearchEnd::OutOfMemory)
        ui::showErrorBox(this,
                         QStringLiteral("メモリが不足したため検索を中止しました。見つかったセットは表示されています"));
}

void SetSearchPage::Button2Click() {
    if (isSearching() &&
        ui::askConfirmation(this, QStringLiteral("確認"), QStringLiteral("中止してもよろしいですか?")) && isSearching())
        m_running->monitor.CancelRequested = true;
}

void SetSearchPage::stopSearch() {
    if (!isSearching())
        return;
    m_running->monitor.CancelRequested = true;
    m_progressTimer.stop();
    m_running->thread.join();
    m_running.reset();
    m_button2->hide();
}

} // namespace trelkin
