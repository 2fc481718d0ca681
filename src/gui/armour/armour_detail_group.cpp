#include "gui/armour/armour_detail_group.h"

#include "core/armour/grid_cell_colour.h"
#include "core/data/armour_slot.h"
#include "core/text/cp932.h"
#include "gui/widgets/colour.h"
#include "gui/widgets/coloured_item_delegate.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QTableWidget>

namespace trelkin {
namespace {

constexpr int kGridColumns = 7;
constexpr int kNameColumnWidth = 137;
constexpr int kNumberColumnWidth = 25;
constexpr int kGridRowHeight = 16;
constexpr int kTotalColumn = 6;

// Defence and price show "---", the four resistances "--" until the first evaluation.
const std::array<QString, 6> kTotalPlaceholders{QStringLiteral("---"), QStringLiteral("---"), QStringLiteral("--"),
                                                QStringLiteral("--"),  QStringLiteral("--"),  QStringLiteral("--")};

QTableWidgetItem* cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QTableWidgetItem* numberCell(const std::string& text, Rgb colour) {
    QTableWidgetItem* item = cell(fromCp932(text));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignTop);
    item->setForeground(ui::toQColor(colour));
    return item;
}

// The first column is drawn like the title row: it names the row rather than holding a value.
QTableWidgetItem* nameCell(const std::string& text, const QPalette& palette) {
    QTableWidgetItem* item = cell(fromCp932(text));
    item->setBackground(palette.button());
    return item;
}

QString decimal(std::int32_t value) {
    return QString::number(value);
}

} // namespace

ArmourDetailGroup::ArmourDetailGroup(QWidget* parent)
    : QGroupBox(QStringLiteral("防具詳細"), parent), m_listBox5(new QListWidget(this)),
      m_skillGrid(makeGrid(QStringLiteral("SkillGrid"))), m_materialGrid(makeGrid(QStringLiteral("MaterialGrid"))) {
    setObjectName(QStringLiteral("GroupBox5"));
    m_listBox5->setObjectName(QStringLiteral("ListBox5"));
    const std::array<const char*, 6> names{"Label43", "Label45", "Label74", "Label75", "Label76", "Label77"};
    for (size_t i = 0; i < m_totals.size(); ++i) {
        m_totals[i] = new QLabel(this);
        m_totals[i]->setObjectName(QString::fromLatin1(names[i]));
    }
    setTotals(kTotalPlaceholders);

    auto* layout = new QGridLayout(this);
    layout->setVerticalSpacing(2);
    layout->addWidget(new QLabel(QStringLiteral("防御力："), this), 0, 0);
    layout->addWidget(m_totals[0], 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("生産価格："), this), 0, 2);
    layout->addWidget(m_totals[1], 0, 3);
    const std::array<QString, 4> resistances{QStringLiteral("火："), QStringLiteral("水："), QStringLiteral("雷："),
                                             QStringLiteral("龍：")};
    for (int i = 0; i < 4; ++i) {
        layout->addWidget(new QLabel(resistances[size_t(i)], this), 1 + i / 2, (i % 2) * 2);
        layout->addWidget(m_totals[size_t(2 + i)], 1 + i / 2, (i % 2) * 2 + 1);
    }
    layout->addWidget(new QLabel(QStringLiteral("発動スキル："), this), 3, 0, 1, 4);
    layout->addWidget(m_listBox5, 4, 0, 1, 4);
    layout->addWidget(new QLabel(QStringLiteral("スキル値："), this), 5, 0, 1, 4);
    layout->addWidget(m_skillGrid, 6, 0, 1, 4);
    layout->addWidget(new QLabel(QStringLiteral("生産に必要な素材："), this), 7, 0, 1, 4);
    layout->addWidget(m_materialGrid, 8, 0, 1, 4);
    layout->setRowStretch(4, 1);
    layout->setRowStretch(6, 2);
    layout->setRowStretch(8, 2);
}

QTableWidget* ArmourDetailGroup::makeGrid(const QString& name) {
    auto* grid = new QTableWidget(1, kGridColumns, this);
    grid->setObjectName(name);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
    grid->verticalHeader()->setMinimumSectionSize(kGridRowHeight);
    grid->horizontalHeader()->setMinimumSectionSize(kNumberColumnWidth);
    grid->horizontalHeader()->setDefaultSectionSize(kNumberColumnWidth);
    grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->horizontalHeader()->setFixedHeight(kGridRowHeight + 2);
    grid->setColumnWidth(0, kNameColumnWidth);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab and Shift+Tab leave the grid, as they leave every view; the arrows move inside it.
    grid->setTabKeyNavigation(false);
    grid->setItemDelegate(new ui::ColouredItemDelegate(0, grid));
    // Before the first evaluation the title row is blank too.
    grid->setHorizontalHeaderLabels(QStringList(kGridColumns, QString()));
    return grid;
}

void ArmourDetailGroup::setTotals(const std::array<QString, 6>& texts) {
    for (size_t i = 0; i < m_totals.size(); ++i)
        m_totals[i]->setText(texts[i]);
}

void ArmourDetailGroup::showTitles(QTableWidget* grid) {
    QStringList titles{QString()};
    for (const ArmourSlot slot : kArmourSlots)
        titles << fromCp932(slotCaption(slot));
    titles << QStringLiteral("計");
    grid->setHorizontalHeaderLabels(titles);
}

void ArmourDetailGroup::showRows(QTableWidget* grid, const std::vector<EvaluationRow>& rows, CellColour colour) {
    showTitles(grid);
    grid->clearContents();
    // An empty table still shows one blank row under the titles.
    grid->setRowCount(std::max<int>(1, int(rows.size())));
    for (int row = 0; row < int(rows.size()); ++row) {
        const EvaluationRow& values = rows[size_t(row)];
        grid->setItem(row, 0, nameCell(values.Name, grid->palette()));
        for (size_t slot = 0; slot < kArmourSlotCount; ++slot)
            grid->setItem(row, int(slot) + 1, numberCell(values.Cells[slot], colour(values.Cells[slot])));
        grid->setItem(row, kTotalColumn, numberCell(values.Total, colour(values.Total)));
    }
}

void ArmourDetailGroup::ResetArmourDetail() {
    ShowArmourEvaluation({});
    setTotals(kTotalPlaceholders);
}

void ArmourDetailGroup::ShowArmourEvaluation(const ArmourSetEvaluation& evaluation) {
    setTotals({decimal(evaluation.TotalDef), decimal(evaluation.TotalProduction), decimal(evaluation.TotalFire),
               decimal(evaluation.TotalWater), decimal(evaluation.TotalThunder), decimal(evaluation.TotalDragon)});
    m_listBox5->clear();
    for (const std::string& skill : evaluation.ActivatedSkills)
        m_listBox5->addItem(fromCp932(skill));
    showRows(m_skillGrid, evaluation.SkillRows, skillCellColour);
    showRows(m_materialGrid, evaluation.MaterialRows, materialCellColour);
}

} // namespace trelkin
