#include "gui/armour/armour_search_panel.h"

#include "core/armour/armour_search.h"
#include "core/armour/armour_selectors.h"
#include "core/text/cp932.h"
#include "gui/armour/armour_search_model.h"
#include "gui/widgets/name_items.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>

namespace trelkin {
namespace {

constexpr int kVisibleItems = 20;
constexpr int kRowHeight = 18;

QComboBox* makeSelector(const QString& name, QWidget* parent) {
    auto* selector = new QComboBox(parent);
    selector->setObjectName(name);
    selector->setMaxVisibleItems(kVisibleItems);
    selector->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    selector->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return selector;
}

} // namespace

ArmourSearchPanel::ArmourSearchPanel(QWidget* parent)
    : QWidget(parent), m_cbAllSkill(makeSelector(QStringLiteral("CB_AllSkill"), this)),
      m_cbAllMaterial(makeSelector(QStringLiteral("CB_AllMaterial"), this)),
      m_cbPart(makeSelector(QStringLiteral("CB_Part"), this)),
      m_labelSearchCnt(new QLabel(QStringLiteral("-----"), this)), m_listView2(new QTableView(this)),
      m_model(new ArmourSearchModel(this)) {
    ui::setNameItems(m_cbPart, slotChoiceItems());
    m_cbPart->setCurrentIndex(0);
    m_labelSearchCnt->setObjectName(QStringLiteral("LabelSearchCnt"));
    m_labelSearchCnt->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_listView2->setObjectName(QStringLiteral("ListView2"));
    m_listView2->setModel(m_model);
    m_listView2->verticalHeader()->hide();
    m_listView2->verticalHeader()->setDefaultSectionSize(kRowHeight);
    m_listView2->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_listView2->setSelectionMode(QAbstractItemView::SingleSelection);
    m_listView2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_listView2->setWordWrap(false);
    m_listView2->horizontalHeader()->setSectionsClickable(true);
    m_listView2->horizontalHeader()->setSortIndicatorShown(true);
    showSortIndicator();
    for (int column = 0; column < m_model->columnCount(); ++column)
        if (const int width = ArmourSearchModel::columnWidth(column))
            m_listView2->setColumnWidth(column, width);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_cbAllSkill, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("のスキルを持つ"), this), 0, 1);
    layout->addWidget(m_cbAllMaterial, 1, 0);
    layout->addWidget(new QLabel(QStringLiteral("の材料を持つ"), this), 1, 1);
    layout->addWidget(m_cbPart, 2, 0);
    layout->addWidget(new QLabel(QStringLiteral("防具一覧"), this), 2, 1);
    layout->addWidget(m_labelSearchCnt, 3, 0, 1, 2);
    layout->addWidget(m_listView2, 4, 0, 1, 2);
    layout->setRowStretch(4, 1);

    for (QComboBox* selector : {m_cbAllSkill, m_cbAllMaterial, m_cbPart})
        connect(selector, &QComboBox::currentIndexChanged, this, &ArmourSearchPanel::CB_AllSkillChange);
    connect(m_listView2->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        m_model->ListView2ColumnClick(column);
        showSortIndicator();
    });
    connect(m_listView2->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected, const QItemSelection& deselected) {
                ListView2SelectItem(!selected.isEmpty(), !deselected.isEmpty());
            });
}

void ArmourSearchPanel::showSortIndicator() {
    const SearchSortState& sort = m_model->sortState();
    m_listView2->horizontalHeader()->setSortIndicator(sort.SortColumn,
                                                      sortsAscending(sort) ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void ArmourSearchPanel::fillSelectors(const ArmourTables& tables) {
    m_tables = &tables;
    ui::setNameItems(m_cbAllSkill, skillSystemItems(tables.SkillDatas));
    ui::setNameItems(m_cbAllMaterial, materialItems(tables));
}

void ArmourSearchPanel::CB_AllSkillChange() {
    if (!m_tables)
        return;
    const std::string skill = ui::selectedName(m_cbAllSkill).value_or(std::string());
    const std::string material = ui::selectedName(m_cbAllMaterial).value_or(std::string());
    const std::optional<ArmourSlot> slot = slotOfChoice(size_t(std::max(0, m_cbPart->currentIndex())));
    std::vector<SearchRow> rows = searchArmour(*m_tables, skill, material, slot);
    m_labelSearchCnt->setText(fromCp932(countText(rows.size())));
    m_model->setRows(std::move(rows));
}

void ArmourSearchPanel::ListView2SelectItem(bool selected, bool deselected) {
    // The old row's deselection empties the detail group before the new row is shown.
    if (deselected)
        emit pieceDeselected();
    const QModelIndexList rows = m_listView2->selectionModel()->selectedRows();
    if (selected && !rows.isEmpty())
        emit pieceSelected(m_model->row(rows.first().row())[SearchColumn::Name]);
}

} // namespace trelkin
