#include "gui/setsearch/set_result_table_source.h"

#include "core/setsearch/set_row.h"
#include "core/text/cp932.h"

namespace trelkin {
namespace {

// The activated skills share one cell.
const QString kSkillSeparator = QStringLiteral("、");

} // namespace

QStringList SetResultTableSource::cells(std::uint64_t row) {
    const SetRow shown = setRow(m_result.result->tables(), m_reader.at(row), m_result.result->torsoUp());
    QStringList cells;
    for (const std::string& name : shown.Names)
        cells << fromCp932(name);
    for (const std::int32_t sum : shown.sums())
        cells << QString::number(sum);
    QStringList skills;
    for (const std::string& skill : shown.ActivatedSkills)
        skills << fromCp932(skill);
    cells << skills.join(kSkillSeparator);
    return cells;
}

void SetResultTableSource::readLines(std::uint64_t first, std::uint64_t last, const Visit& visit) {
    if (first <= last)
        m_reader.visit(first, last - first + 1, [&](const FoundSet& set) {
            return visit(fromCp932(setRowLine(setRow(m_result.result->tables(), set, m_result.result->torsoUp()))));
        });
}

} // namespace trelkin
