#include "gui/setsearch/set_search_page.h"

#include "core/armour/armour_selectors.h"
#include "core/setsearch/search_insights.h"
#include "core/setsearch/set_search_run.h"
#include "gui/setsearch/narrowing_strip.h"
#include "gui/setsearch/set_result_panel.h"
#include "gui/widgets/dialogs.h"
#include "gui/widgets/name_items.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

namespace trelkin {
namespace {

// Often enough for the bars and the growing result to look live, rarely enough to cost nothing.
constexpr int kProgressIntervalMs = 40;
constexpr int kProgressBarHeight = 6;
// Narrow enough that the conditions fit beside the detail group at the window's smallest size.
constexpr int kFieldWidth = 64;
constexpr int kRareFieldWidth = 44;
// The rarity limit's value when it is first ticked.
constexpr int kStartMaxRare = 4;
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
    m_conditionsToggle = new QToolButton(this);
    m_conditionsToggle->setObjectName(QStringLiteral("ConditionsToggle"));
    m_conditionsToggle->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_conditionsToggle->setAutoRaise(true);
    m_conditionsToggle->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(m_conditionsToggle, &QToolButton::clicked, this, [this] { showConditions(m_conditionsArea->isHidden()); });
    // Made in the order of the layout, which Tab follows: the conditions first, then the result, then "中止".
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_conditionsToggle);
    // Where the window is too low for the conditions and the result together, the conditions scroll; Tab scrolls
    // the control it reaches into view.
    m_conditionsArea = new QScrollArea(this);
    m_conditionsArea->setObjectName(QStringLiteral("ConditionsArea"));
    m_conditionsArea->setFrameShape(QFrame::NoFrame);
    m_conditionsArea->setFocusPolicy(Qt::NoFocus); // Tab goes to the conditions themselves
    m_conditionsArea->setWidgetResizable(true);
    m_conditionsArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_conditionsArea->setWidget(makeConditions());
    m_conditionsArea->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    m_conditionsArea->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    layout->addWidget(m_conditionsArea);
    m_narrowing = new NarrowingStrip(this);
    connect(m_narrowing, &NarrowingStrip::removed, this, &SetSearchPage::widenSearch);
    connect(m_narrowing, &NarrowingStrip::clearedAll, this, &SetSearchPage::clearNarrowing);
    layout->addWidget(m_narrowing);
    m_results = new SetResultPanel(this);
    connect(m_results, &SetResultPanel::composeSet, this, &SetSearchPage::composeSet);
    connect(m_results, &SetResultPanel::excludePiece, this, &SetSearchPage::excludePiece);
    connect(m_results, &SetResultPanel::pinPiece, this, &SetSearchPage::pinPiece);
    connect(m_results, &SetResultPanel::addWish, this, &SetSearchPage::addWish);
    // The result takes what the conditions leave, down to its least; until the first search there is none.
    m_results->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
    m_results->setMinimumHeight(m_results->minimumSizeHint().height());
    m_results->hide();
    layout->addWidget(m_results, 1);
    layout->addStretch(0);
    layout->addWidget(makeProgressStrip());
    showConditions(true);

    m_progressTimer.setInterval(kProgressIntervalMs);
    connect(&m_progressTimer, &QTimer::timeout, this, &SetSearchPage::takeProgress);
}

// "レア度 [n] 以下", off at the start.
QWidget* SetSearchPage::makeRareLimit(QWidget* parent) {
    m_maxRare = new QCheckBox(QStringLiteral("レア度"), parent);
    m_maxRare->setObjectName(QStringLiteral("SetSearchMaxRare"));
    m_maxRareValue = new QSpinBox(parent);
    m_maxRareValue->setObjectName(QStringLiteral("SetSearchMaxRareValue"));
    m_maxRareValue->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    m_maxRareValue->setValue(kStartMaxRare);
    m_maxRareValue->setFixedWidth(kRareFieldWidth);
    return limitRow(m_maxRare, m_maxRareValue, QStringLiteral("以下"), parent);
}

SetSearchPage::~SetSearchPage() {
    stopSearch();
}

QGroupBox* SetSearchPage::makeConditions() {
    auto* conditions = new QGroupBox(QStringLiteral("検索条件"), this);
    m_conditions = conditions;
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
    // Made row by row, the order Tab follows.
    m_checkBox1 = new QCheckBox(QStringLiteral("それぞれの防御力が"), other);
    m_spinEdit3 = makeUnboundedField(SetSearchQuery::kStartMinEachDef, other);
    m_checkBox2 = new QCheckBox(QStringLiteral("トータルの防御力が"), other);
    m_spinEdit4 = makeUnboundedField(SetSearchQuery::kStartMinTotalDef, other);
    m_checkBox1->setObjectName(QStringLiteral("CheckBox1"));
    m_checkBox2->setObjectName(QStringLiteral("CheckBox2"));
    m_spinEdit3->setObjectName(QStringLiteral("SpinEdit3"));
    m_spinEdit4->setObjectName(QStringLiteral("SpinEdit4"));
    for (QCheckBox* check : {m_checkBox1, m_checkBox2})
        check->setChecked(true);
    otherRows->addWidget(limitRow(m_checkBox1, m_spinEdit3, QStringLiteral("以上"), other));
    otherRows->addWidget(limitRow(m_checkBox2, m_spinEdit4, QStringLiteral("以上"), other));
    otherRows->addWidget(makeRareLimit(other));
    m_torsoUp = new QCheckBox(QStringLiteral("胴系統倍加を計算する"), other);
    m_torsoUp->setObjectName(QStringLiteral("SetSearchTorsoUp"));
    otherRows->addWidget(m_torsoUp);

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

// Shown, the toggle offers to hide the conditions; hidden, it sums them up and offers to show them again.
void SetSearchPage::showConditions(bool shown) {
    m_conditionsArea->setVisible(shown);
    m_conditionsToggle->setArrowType(shown ? Qt::DownArrow : Qt::RightArrow);
    m_conditionsToggle->setText(shown ? QStringLiteral("検索条件を隠す")
                                      : QStringLiteral("検索条件: %1").arg(conditionsSummary()));
}

QString SetSearchPage::conditionsSummary() const {
    QStringList parts;
    for (const QComboBox* wanted : m_wanted)
        if (!wanted->currentText().isEmpty())
            parts << wanted->currentText();
    for (const QComboBox* choice : {m_comboBox5, m_comboBox4})
        if (!choice->currentText().isEmpty())
            parts << choice->currentText();
    if (m_checkBox1->isChecked())
        parts << QStringLiteral("各%1以上").arg(m_spinEdit3->value());
    if (m_checkBox2->isChecked())
        parts << QStringLiteral("計%1以上").arg(m_spinEdit4->value());
    if (m_maxRare->isChecked())
        parts << QStringLiteral("レア度%1以下").arg(m_maxRareValue->value());
    if (m_torsoUp->isChecked())
        parts << QStringLiteral("胴系統倍加");
    return parts.join(QStringLiteral(" / "));
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
    if (m_maxRare->isChecked())
        query.MaxRare = m_maxRareValue->value();
    query.TorsoUp = m_torsoUp->isChecked();
    query.Excluded = m_narrowed.Excluded;
    query.Pinned = m_narrowed.Pinned;
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
    m_insights.reset();
    m_results->clear();
    m_results->show();
    showConditions(false);
    m_searched = query;
    m_run = std::make_unique<SetSearchRun>(*m_tables, query);
    const SetSearchProgress progress = m_run->progress();
    for (const ArmourSlot slot : kArmourSlots) {
        QProgressBar* bar = m_progressBars[slotIndex(slot)];
        bar->setRange(0, progress.positions[slotIndex(slot)]);
        bar->setValue(progress.positions[slotIndex(slot)]);
    }
    m_progressTimer.start();
}

std::uint64_t SetSearchPage::foundCount() const {
    return m_results->foundCount();
}

// The timer's look at the running search, or at the insights worked out after it; nothing moves while the user is
// asked whether to stop the search.
void SetSearchPage::takeProgress() {
    if (m_confirming)
        return;
    if (!m_run)
        return takeInsights();
    if (m_run->isDone())
        return finishSearch();
    showProgress();
}

void SetSearchPage::takeInsights() {
    if (!m_insights || !m_insights->waitFor(std::chrono::milliseconds(0)))
        return;
    m_progressTimer.stop();
    const std::unique_ptr<InsightsRun> insights = std::move(m_insights);
    if (insights->result())
        m_results->showInsights(*insights->result());
    else if (!insights->failure().isEmpty())
        ui::showErrorBox(this, insights->failure());
}

void SetSearchPage::showProgress() {
    if (const std::shared_ptr<const SetSearchResult> result = m_run->result())
        m_results->showGrowing(result);
    const SetSearchProgress progress = m_run->progress();
    for (std::size_t slot = 0; slot < kArmourSlotCount; ++slot)
        m_progressBars[slot]->setValue(progress.positions[slot]);
}

void SetSearchPage::finishSearch() {
    m_progressTimer.stop();
    m_run->wait();
    showProgress();
    const SetSearchEnd end = m_run->end();
    if (const std::shared_ptr<const SetSearchResult> result = m_run->result()) {
        m_results->showEnded(result);
        // The skills that could still be added and the pieces' counts, on the search's threads.
        if (end == SetSearchEnd::Finished) {
            m_insights = startInsights(result, m_searched, SetSearchRun::defaultThreads());
            m_progressTimer.start();
        }
    }
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

void SetSearchPage::excludePiece(ArmourSlot slot, const std::string& name) {
    addNarrowing(m_narrowed, slot, name, false);
    searchAgain();
}

void SetSearchPage::pinPiece(ArmourSlot slot, const std::string& name) {
    addNarrowing(m_narrowed, slot, name, true);
    searchAgain();
}

void SetSearchPage::widenSearch(ArmourSlot slot, const std::string& name, bool pinned) {
    removeNarrowing(m_narrowed, slot, name, pinned);
    searchAgain();
}

void SetSearchPage::clearNarrowing() {
    m_narrowed = {};
    searchAgain();
}

void SetSearchPage::addWish(const std::string& name) {
    const auto empty =
        std::find_if(m_wanted.begin(), m_wanted.end(), [](const QComboBox* w) { return w->currentText().isEmpty(); });
    if (empty != m_wanted.end() && ui::selectNameQuietly(*empty, name))
        searchAgain();
}

// The narrowing changed: what is narrowed is shown, and the search runs again at once.
void SetSearchPage::searchAgain() {
    m_narrowing->show(queryFromInputs());
    stopSearch();
    Button1Click();
}

void SetSearchPage::stopSearch() {
    m_insights.reset();
    m_results->stopWork();
    if (!isSearching())
        return;
    m_run->stop();
    m_progressTimer.stop();
    m_run.reset();
    m_button2->hide();
}

} // namespace trelkin
