#include "gui/setsearch/set_result_panel.h"

#include "core/setsearch/most_first.h"
#include "core/setsearch/set_row.h"
#include "core/text/count_text.h"
#include "core/text/cp932.h"
#include "gui/setsearch/result_saving.h"
#include "gui/setsearch/set_result_source.h"
#include "gui/setsearch/set_result_table_source.h"
#include "gui/widgets/block_text_view.h"
#include "gui/widgets/dialogs.h"
#include "gui/widgets/name_items.h"
#include "gui/widgets/row_table_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

namespace trelkin {
namespace {

// How long a new order may take before the views wait for it instead of the user.
constexpr std::chrono::milliseconds kOrderAtOnce(40);
constexpr int kOrderingPollMs = 20;
constexpr std::uint64_t kBytesPerMegabyte = 1 << 20;
constexpr std::uint64_t kMegabytesPerGigabyte = 1 << 10;
// Saving more than this asks first.
constexpr std::uint64_t kLargeFileBytes = 100 * kBytesPerMegabyte;
// A copied character is about two bytes on its way to the clipboard.
constexpr std::uint64_t kBytesPerCharacter = 2;
const QStringList kSaveFilters{QStringLiteral("テキスト UTF-8 (*.txt)"), QStringLiteral("テキスト Shift-JIS (*.txt)")};
const QString kProposedFileName = QStringLiteral("セット検索結果.txt");
const QString kTableTab = QStringLiteral("一覧");
const QString kTextTab = QStringLiteral("テキスト");
// The table's columns at the start: the names, the sums, the skills.
constexpr int kNameWidth = 84;
constexpr int kDefenceWidth = 60;
constexpr int kResistanceWidth = 36;
constexpr int kPriceWidth = 72;
constexpr int kSkillsWidth = 200;

// "約 12 MB", or "約 3.4 GB" from a gigabyte on.
QString approximateSize(std::uint64_t bytes) {
    const std::uint64_t megabytes = std::max<std::uint64_t>(1, bytes / kBytesPerMegabyte);
    if (megabytes < kMegabytesPerGigabyte)
        return QStringLiteral("約 %1 MB").arg(megabytes);
    return QStringLiteral("約 %1 GB").arg(double(megabytes) / kMegabytesPerGigabyte, 0, 'f', 1);
}

} // namespace

SetResultPanel::SetResultPanel(QWidget* parent) : QWidget(parent) {
    // Made in the order Tab goes through them: the title's button, the order, the views' tabs, the views.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(makeTitle());
    layout->addLayout(makeOrderRow());
    m_withoutWishes = new QLabel(this);
    m_withoutWishes->setObjectName(QStringLiteral("WithoutWishes"));
    m_withoutWishes->setWordWrap(true);
    m_withoutWishes->hide();
    layout->addWidget(m_withoutWishes);
    m_views = new QTabWidget(this);
    m_views->setObjectName(QStringLiteral("SetResultViews"));
    m_views->setDocumentMode(true);
    makeViews();
    // Every view needs no more room at the least than the table's header and a row.
    for (int page = 0; page < m_views->count(); ++page)
        m_views->widget(page)->setMinimumHeight(m_table->minimumSizeHint().height());
    layout->addWidget(m_views, 1);
    m_orderingTimer.setInterval(kOrderingPollMs);
    connect(&m_orderingTimer, &QTimer::timeout, this, &SetResultPanel::takeOrdering);
}

SetResultPanel::~SetResultPanel() = default;

QLayout* SetResultPanel::makeTitle() {
    m_foundCount = new QLabel(this);
    m_foundCount->setObjectName(QStringLiteral("LabelSetCount"));
    m_foundCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_saveButton = new QPushButton(QStringLiteral("ファイルに保存…"), this);
    m_saveButton->setAutoDefault(true); // a focused button answers Enter, not only Space
    m_saveButton->setObjectName(QStringLiteral("ButtonSave"));
    m_saveButton->setEnabled(false);
    connect(m_saveButton, &QPushButton::clicked, this, [this] { saveAll(ResultTextForm::Blocks); });
    auto* title = new QHBoxLayout;
    title->addWidget(new QLabel(QStringLiteral("セット検索結果"), this));
    title->addWidget(m_foundCount, 1);
    title->addWidget(m_saveButton);
    return title;
}

QLayout* SetResultPanel::makeOrderRow() {
    m_orderSelector = new QComboBox(this);
    m_orderSelector->setObjectName(QStringLiteral("SetResultOrder"));
    m_orderSelector->addItems(setOrderItems());
    m_reverse = new QCheckBox(QStringLiteral("逆順"), this);
    m_reverse->setObjectName(QStringLiteral("SetResultReverse"));
    connect(m_orderSelector, &QComboBox::currentIndexChanged, this, [this](int item) {
        chooseOrder({SetOrderKey(std::max(0, item)), m_order.reversed});
    });
    connect(m_reverse, &QCheckBox::toggled, this, [this](bool reversed) { chooseOrder({m_order.key, reversed}); });
    auto* label = new QLabel(QStringLiteral("並び順"), this);
    label->setBuddy(m_orderSelector);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(label);
    row->addWidget(m_orderSelector);
    row->addWidget(m_reverse);
    row->addStretch(1);
    return row;
}

void SetResultPanel::makeViews() {
    m_table = new ui::RowTableView(setTableColumns(), this);
    m_table->setObjectName(QStringLiteral("SetResultTable"));
    std::vector<int> widths(kArmourSlotCount, kNameWidth);
    widths.insert(widths.end(), {kDefenceWidth, kResistanceWidth, kResistanceWidth, kResistanceWidth, kResistanceWidth,
                                 kPriceWidth, kSkillsWidth});
    m_table->setColumnWidths(widths);
    std::vector<int> sums;
    for (int column = 0; column < kSetTableColumnCount; ++column)
        if (columnOrder(column))
            sums.push_back(column);
    m_table->setRightAligned(sums);
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_table, &ui::RowTableView::activated, this, &SetResultPanel::sendRowToComposer);
    connect(m_table, &ui::RowTableView::headerClicked, this, &SetResultPanel::clickHeader);
    connect(m_table, &QWidget::customContextMenuRequested, this, &SetResultPanel::showTableMenu);
    connect(m_table, &ui::RowTableView::copyTooLarge, this, [this](std::uint64_t rows, std::uint64_t characters) {
        offerSaving(ResultTextForm::TableRows, rows, characters);
    });

    m_memo2 = new ui::BlockTextView(this);
    m_memo2->setObjectName(QStringLiteral("Memo2"));
    m_memo2->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_memo2, &ui::BlockTextView::copyTooLarge, this, [this](std::uint64_t blocks, std::uint64_t characters) {
        offerSaving(ResultTextForm::Blocks, blocks, characters);
    });
    connect(m_memo2, &QWidget::customContextMenuRequested, this, &SetResultPanel::showMemoMenu);

    m_extraSkills = new QListWidget(this);
    m_extraSkills->setObjectName(QStringLiteral("ExtraSkillList"));
    m_extraSkills->setToolTip(QStringLiteral("ダブルクリックかEnterで発動スキルに加えて検索し直します"));
    connect(m_extraSkills, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { emit addWish(item->data(ui::kNameRole).toByteArray().toStdString()); });

    m_views->addTab(m_table, kTableTab);
    m_views->addTab(m_memo2, kTextTab);
    m_views->addTab(m_extraSkills, QStringLiteral("追加スキル"));
    m_views->addTab(makePieceView(), QStringLiteral("防具別"));
}

// A slot's pieces with the number of found sets each is in, most first.
QWidget* SetResultPanel::makePieceView() {
    auto* view = new QWidget(this);
    m_pieceSlot = new QComboBox(view);
    m_pieceSlot->setObjectName(QStringLiteral("SetPieceSlot"));
    for (const ArmourSlot slot : kArmourSlots)
        m_pieceSlot->addItem(fromCp932(slotCaption(slot)));
    m_pieceCounts = new QListWidget(view);
    m_pieceCounts->setObjectName(QStringLiteral("SetPieceCounts"));
    connect(m_pieceSlot, &QComboBox::currentIndexChanged, this, &SetResultPanel::showPieceCounts);
    auto* layout = new QVBoxLayout(view);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pieceSlot);
    layout->addWidget(m_pieceCounts, 1);
    return view;
}

void SetResultPanel::showInsights(const SearchInsights& insights) {
    m_insights = insights;
    m_extraSkills->clear();
    for (const ExtraSkill& skill : insights.extraSkills) {
        auto* item = new QListWidgetItem(
            QStringLiteral("%1　%2").arg(fromCp932(skill.name), groupedCountText(skill.sets)), m_extraSkills);
        item->setData(ui::kNameRole, QByteArray::fromStdString(skill.name));
    }
    showPieceCounts();
    m_withoutWishes->setText(withoutWishesText(insights.withoutEachWish));
    m_withoutWishes->setVisible(!m_withoutWishes->text().isEmpty());
}

void SetResultPanel::showPieceCounts() {
    m_pieceCounts->clear();
    if (!m_insights || !m_shown.result)
        return;
    const auto slot = std::size_t(std::max(0, m_pieceSlot->currentIndex()));
    std::vector<PieceCount> pieces = m_insights->pieceCounts[slot];
    sortMostFirst(pieces);
    const guard::TEquipmentDatas& table = m_shown.result->tables().slotTable(kArmourSlots[slot]);
    for (const PieceCount& piece : pieces)
        m_pieceCounts->addItem(
            QStringLiteral("%1　%2").arg(fromCp932(table[piece.piece].Name), groupedCountText(piece.sets)));
}

// The number of sets a piece is in, as the insights counted it; empty until they have.
QString SetResultPanel::piecesSets(ArmourSlot slot, std::uint32_t piece) const {
    if (!m_insights)
        return {};
    for (const PieceCount& counted : m_insights->pieceCounts[slotIndex(slot)])
        if (counted.piece == piece)
            return QStringLiteral(" (%1のセット)").arg(groupedCountText(counted.sets));
    return {};
}

// For each of the row's pieces: leave every piece of its name out of its slot, or try only those there.
void SetResultPanel::addNarrowingActions(QMenu& menu, std::uint64_t row) {
    const FoundSet set = m_tableSource->set(row);
    const ArmourTables& tables = m_shown.result->tables();
    for (const ArmourSlot slot : kArmourSlots) {
        const std::uint32_t piece = set.Pieces[slotIndex(slot)];
        const std::string name = tables.slotTable(slot)[piece].Name;
        const QString caption = fromCp932(slotCaption(slot));
        const QString shown = fromCp932(name) + piecesSets(slot, piece);
        menu.addAction(QStringLiteral("この%1防具を除外: %2").arg(caption, shown), this,
                       [this, slot, name] { emit excludePiece(slot, name); });
        menu.addAction(QStringLiteral("この%1防具だけを使う: %2").arg(caption, shown), this,
                       [this, slot, name] { emit pinPiece(slot, name); });
    }
}

void SetResultPanel::clear() {
    m_ended = false;
    m_insights.reset();
    m_extraSkills->clear();
    m_pieceCounts->clear();
    m_withoutWishes->hide();
    stopWork();
    m_result.reset();
    m_ordered.reset();
    showInOrder({});
}

void SetResultPanel::showGrowing(std::shared_ptr<const SetSearchResult> result) {
    if (result != m_result) {
        m_result = std::move(result);
        return showInOrder({m_result, nullptr, false});
    }
    m_memo2->setBlockCount(m_shown.size());
    m_table->setRowCount(m_shown.size());
    showCount();
}

void SetResultPanel::showEnded(std::shared_ptr<const SetSearchResult> result) {
    m_ended = true;
    m_result = std::move(result);
    applyOrder();
}

std::uint64_t SetResultPanel::foundCount() const {
    return m_result ? m_result->size() : 0;
}

void SetResultPanel::chooseOrder(SetOrder order) {
    if (order == m_order)
        return;
    m_order = order;
    const QSignalBlocker quietSelector(m_orderSelector);
    const QSignalBlocker quietReverse(m_reverse);
    m_orderSelector->setCurrentIndex(int(order.key));
    m_reverse->setChecked(order.reversed);
    // While a search runs the views grow in loop order; the order waits for its end.
    if (m_ended)
        applyOrder();
}

void SetResultPanel::clickHeader(int column) {
    if (const std::optional<SetOrder> order = headerClickOrder(m_order, column))
        chooseOrder(*order);
}

void SetResultPanel::stopWork() {
    m_ordering.reset();
    m_orderingTimer.stop();
}

void SetResultPanel::applyOrder() {
    stopWork();
    if (!m_result)
        return;
    if (m_order.key == SetOrderKey::Loop)
        return showInOrder({m_result, nullptr, m_order.reversed});
    if (m_ordered && m_ordered->key() == m_order.key && &m_ordered->result() == m_result.get())
        return showInOrder({m_result, m_ordered, m_order.reversed});
    m_ordering = startOrdering(m_result, m_order.key);
    if (m_ordering->waitFor(kOrderAtOnce))
        return takeOrdering();
    m_foundCount->setText(QStringLiteral("並べ替えています…"));
    m_orderingTimer.start();
}

void SetResultPanel::takeOrdering() {
    if (!m_ordering || !m_ordering->waitFor(std::chrono::milliseconds(0)))
        return;
    m_orderingTimer.stop();
    const std::unique_ptr<OrderingRun> ordering = std::move(m_ordering);
    if (!ordering->result()) {
        showCount();
        if (!ordering->failure().isEmpty())
            ui::showErrorBox(this, ordering->failure());
        return;
    }
    m_ordered = *ordering->result();
    showInOrder({m_result, m_ordered, m_order.reversed});
}

void SetResultPanel::showInOrder(ResultInOrder shown) {
    m_shown = std::move(shown);
    const std::uint64_t size = m_shown.size();
    if (m_shown.result) {
        m_tableSource = std::make_shared<SetResultTableSource>(m_shown);
        m_memo2->setSource(std::make_shared<SetResultSource>(m_shown));
    } else {
        m_tableSource.reset();
        m_memo2->setSource(nullptr);
    }
    m_table->setSource(m_tableSource);
    m_memo2->setBlockCount(size);
    m_table->setRowCount(size);
    const SetOrder order = m_shown.order();
    const bool highest = highestFirst(order.key) != order.reversed;
    m_table->setSortIndicator(orderColumn(order.key), highest ? Qt::DescendingOrder : Qt::AscendingOrder);
    showCount();
}

void SetResultPanel::showCount() {
    const std::uint64_t found = m_shown.size();
    m_foundCount->setText(groupedCountText(found));
    m_saveButton->setEnabled(found > 0);
}

void SetResultPanel::sendRowToComposer(std::uint64_t row) {
    if (!m_tableSource || row >= m_shown.size())
        return;
    const SetRow shown = setRow(m_shown.result->tables(), m_tableSource->set(row), m_shown.result->torsoUp());
    emit composeSet(shown.Names);
}

void SetResultPanel::showTableMenu(const QPoint& at) {
    QMenu menu(this);
    const std::optional<std::uint64_t> row = m_table->currentRow();
    menu.addAction(QStringLiteral("防具選択に送る"), QKeySequence(Qt::Key_Return), this,
                   [this, row] { sendRowToComposer(*row); })
        ->setEnabled(row.has_value());
    menu.addSeparator();
    if (row && m_ended) {
        addNarrowingActions(menu, *row);
        menu.addSeparator();
    }
    menu.addAction(QStringLiteral("コピー"), QKeySequence::Copy, m_table, &ui::RowTableView::copy)
        ->setEnabled(row.has_value());
    menu.addAction(QStringLiteral("すべて選択"), QKeySequence::SelectAll, m_table, &ui::RowTableView::selectAll);
    menu.addSeparator();
    menu.addAction(QStringLiteral("選択した行をファイルに保存…"), this, &SetResultPanel::saveSelectedRows)
        ->setEnabled(row.has_value());
    menu.addAction(QStringLiteral("すべての行をファイルに保存…"), this, [this] { saveAll(ResultTextForm::TableRows); })
        ->setEnabled(m_table->rowCount() > 0);
    menu.exec(m_table->viewport()->mapToGlobal(at));
}

void SetResultPanel::showMemoMenu(const QPoint& at) {
    QMenu menu(this);
    menu.addAction(QStringLiteral("コピー"), QKeySequence::Copy, m_memo2, &ui::BlockTextView::copy)
        ->setEnabled(m_memo2->hasSelection());
    menu.addAction(QStringLiteral("すべて選択"), QKeySequence::SelectAll, m_memo2, &ui::BlockTextView::selectAll);
    menu.addSeparator();
    menu.addAction(QStringLiteral("選択範囲をファイルに保存…"), this, &SetResultPanel::saveSelectedLines)
        ->setEnabled(m_memo2->hasSelection());
    menu.addAction(QStringLiteral("すべてをファイルに保存…"), this, [this] { saveAll(ResultTextForm::Blocks); })
        ->setEnabled(m_memo2->blockCount() > 0);
    menu.exec(m_memo2->mapToGlobal(at));
}

void SetResultPanel::offerSaving(ResultTextForm form, std::uint64_t sets, std::uint64_t characters) {
    const QString question = QStringLiteral("選択された %1 のセット (%2) はクリップボードにコピーするには大きすぎます。"
                                            "ファイルに保存しますか?")
                                 .arg(groupedCountText(sets), approximateSize(characters * kBytesPerCharacter));
    if (!ui::askConfirmation(this, QStringLiteral("コピー"), question))
        return;
    if (form == ResultTextForm::TableRows)
        saveSelectedRows();
    else
        saveSelectedLines();
}

void SetResultPanel::saveSelectedRows() {
    const auto selected = m_table->selectedRows();
    if (!selected)
        return saveAll(ResultTextForm::TableRows);
    save(ResultTextForm::TableRows, {selected->first, 0}, {selected->second, 0});
}

void SetResultPanel::saveSelectedLines() {
    if (!m_memo2->hasSelection())
        return saveAll(ResultTextForm::Blocks);
    const auto [first, last] = m_memo2->selection();
    save(ResultTextForm::Blocks, first, last);
}

void SetResultPanel::saveAll(ResultTextForm form) {
    const std::uint64_t sets = m_shown.size();
    if (sets > 0)
        save(form, {0, 0}, {sets - 1, std::numeric_limits<int>::max()});
}

void SetResultPanel::save(ResultTextForm form, BlockLine first, BlockLine last) {
    if (!m_shown.result || m_saving)
        return;
    const std::optional<ui::SaveFileChoice> choice =
        ui::chooseSaveFile(this, QStringLiteral("セット検索結果の保存"), kSaveFilters, kProposedFileName);
    if (!choice)
        return;
    const TextFileEncoding encoding = choice->filter == 1 ? TextFileEncoding::ShiftJis : TextFileEncoding::Utf8;
    const std::uint64_t bytes = ResultTextFile::estimatedBytes(m_shown, form, encoding, last.block - first.block + 1);
    if (bytes > kLargeFileBytes &&
        !ui::askConfirmation(
            this, QStringLiteral("保存"),
            QStringLiteral("保存するファイルは%1になります。保存しますか?").arg(approximateSize(bytes))))
        return;
    m_saving = new ResultSaving(m_shown, form, first, last, encoding, choice->path, this);
    m_saving->start();
}

} // namespace trelkin
