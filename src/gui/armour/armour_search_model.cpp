#include "gui/armour/armour_search_model.h"

#include "core/text/cp932.h"

#include <array>

namespace trelkin {
namespace {

struct ColumnLook {
    const char16_t* caption;
    Qt::Alignment alignment;
    int width;
};

constexpr int kNameWidth = 120;
constexpr int kMarkWidth = 25;
constexpr int kDefaultWidth = 0;

constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment kCentre = Qt::AlignCenter;

const std::array<ColumnLook, kSearchColumnCount> kColumns{{
    {u"名称", kLeft, kNameWidth},
    {u"防御力", kRight, kDefaultWidth},
    {u"男", kCentre, kMarkWidth},
    {u"女", kCentre, kMarkWidth},
    {u"剣", kCentre, kMarkWidth},
    {u"ガ", kCentre, kMarkWidth},
    {u"火", kRight, kMarkWidth},
    {u"水", kRight, kMarkWidth},
    {u"雷", kRight, kMarkWidth},
    {u"龍", kRight, kMarkWidth},
    {u"ﾚｱ", kLeft, kMarkWidth},
    {u"ｽｷﾙ", kLeft, kMarkWidth},
    {u"材料", kLeft, kMarkWidth},
}};

} // namespace

ArmourSearchModel::ArmourSearchModel(QObject* parent) : QAbstractTableModel(parent) {}

int ArmourSearchModel::columnWidth(int column) {
    return kColumns[size_t(column)].width;
}

void ArmourSearchModel::setRows(std::vector<SearchRow> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    sortSearchRows(m_rows, m_sort);
    endResetModel();
}

void ArmourSearchModel::ListView2ColumnClick(int column) {
    clickColumn(m_sort, column);
    sortRows();
}

void ArmourSearchModel::sortRows() {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const std::vector<std::size_t> order = searchRowOrder(m_rows, m_sort);
    std::vector<int> newPosition(order.size());
    std::vector<SearchRow> sorted;
    sorted.reserve(m_rows.size());
    for (size_t position = 0; position < order.size(); ++position) {
        newPosition[order[position]] = int(position);
        sorted.push_back(std::move(m_rows[order[position]]));
    }
    m_rows = std::move(sorted);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    for (const QModelIndex& index : before)
        after << index.sibling(newPosition[size_t(index.row())], index.column());
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int ArmourSearchModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ArmourSearchModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(kSearchColumnCount);
}

QVariant ArmourSearchModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return fromCp932(m_rows[size_t(index.row())][size_t(index.column())]);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(kColumns[size_t(index.column())].alignment);
    return {};
}

QVariant ArmourSearchModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= int(kSearchColumnCount))
        return {};
    if (role == Qt::DisplayRole)
        return QString::fromUtf16(kColumns[size_t(section)].caption);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(kColumns[size_t(section)].alignment);
    return {};
}

} // namespace trelkin
