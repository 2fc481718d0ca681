#include "core/armour/evaluation.h"

#include "core/text/ascii_case.h"
#include "core/text/cp932.h"
#include "core/text/integer_reader.h"
#include "core/util/wrapping.h"

#include <algorithm>

namespace trelkin {

const std::string kTorsoUpSkill = toCp932(QStringLiteral("胴系統倍加"));

namespace {

constexpr std::int32_t kNoNumber = 0;

void merge(MergedEntries& merged, const std::string& name, std::int32_t amount) {
    const auto found = std::find_if(merged.begin(), merged.end(),
                                    [&](const auto& entry) { return equalsIgnoringAsciiCase(entry.first, name); });
    if (found == merged.end())
        merged.emplace_back(name, amount);
    else
        addWrapping(found->second, amount);
}

// Rows are matched by name byte for byte.
auto named(const std::string& name) {
    return [&name](const EvaluationRow& row) { return row.Name == name; };
}

// The row of that name, appended with empty cells when there is none yet.
EvaluationRow& rowNamed(std::vector<EvaluationRow>& rows, const std::string& name) {
    const auto found = std::find_if(rows.begin(), rows.end(), named(name));
    if (found != rows.end())
        return *found;
    rows.push_back(EvaluationRow{name, {}, {}});
    return rows.back();
}

void recomputeTotals(std::vector<EvaluationRow>& rows) {
    for (EvaluationRow& row : rows) {
        std::int32_t total = 0;
        for (const std::string& cell : row.Cells)
            addWrapping(total, cellValue(cell));
        row.Total = std::to_string(total);
    }
}

void placePiece(ArmourSetEvaluation& evaluation, ArmourSlot slot, const MergedPiece& piece) {
    const std::size_t column = slotIndex(slot);
    for (const auto& [name, count] : piece.MergedMaterials)
        rowNamed(evaluation.MaterialRows, name).Cells[column] = std::to_string(count);
    for (const auto& [name, points] : piece.MergedSkills) {
        const bool torsoUp = name == kTorsoUpSkill;
        if (torsoUp)
            ++evaluation.TorsoMultiplier;
        rowNamed(evaluation.SkillRows, name).Cells[column] =
            torsoUp ? std::string(kTorsoUpCell) : std::to_string(points);
    }
}

// The body piece's points count TorsoMultiplier times; a product of 0 leaves the cell's text as it was.
void applyTorsoUp(ArmourSetEvaluation& evaluation) {
    const std::size_t body = slotIndex(ArmourSlot::Body);
    for (EvaluationRow& row : evaluation.SkillRows) {
        const std::int32_t points = cellValue(row.Cells[body]);
        const std::int32_t counted = torsoUpBodyPoints(points, evaluation.TorsoMultiplier);
        if (counted != points)
            row.Cells[body] = std::to_string(counted);
    }
    recomputeTotals(evaluation.SkillRows);
    for (EvaluationRow& row : evaluation.SkillRows)
        if (row.Name == kTorsoUpSkill)
            row.Total = std::string(kTorsoUpTotal);
}

std::vector<std::string> activatedSkills(const guard::TSkillDatas& skills, const std::vector<EvaluationRow>& rows) {
    std::vector<std::string> activated;
    for (const guard::TSkillData& entry : skills) {
        if (isTorsoUpEntry(entry))
            continue;
        const auto row = std::find_if(rows.begin(), rows.end(), named(entry.Skill));
        if (row == rows.end())
            continue;
        const std::int32_t total = cellValue(row->Total);
        if (entry.RangeMin <= total && total <= entry.RangeMax)
            activated.push_back(entry.Name);
    }
    return activated;
}

MergedPiece accumulatePiece(const guard::TEquipmentData& piece, ArmourSetEvaluation& evaluation) {
    addWrapping(evaluation.TotalDef, piece.Def);
    addWrapping(evaluation.TotalProduction, piece.Production);
    addWrapping(evaluation.TotalFire, piece.Fire);
    addWrapping(evaluation.TotalWater, piece.Water);
    addWrapping(evaluation.TotalThunder, piece.Thunder);
    addWrapping(evaluation.TotalDragon, piece.Dragon);
    MergedPiece merged{mergedSkills(piece), {}};
    for (const guard::TMaterialData& material : piece.Materials)
        merge(merged.MergedMaterials, material.Name, material.Num);
    return merged;
}

// The rows' totals, the torso-up rule and the activated skills, once every piece is placed. Cells are only ever
// replaced, so totals taken once after all slots equal totals taken after each slot.
void finishEvaluation(const guard::TSkillDatas& skills, ArmourSetEvaluation& evaluation) {
    recomputeTotals(evaluation.MaterialRows);
    recomputeTotals(evaluation.SkillRows);
    if (evaluation.TorsoMultiplier > 1)
        applyTorsoUp(evaluation);
    evaluation.ActivatedSkills = activatedSkills(skills, evaluation.SkillRows);
}

} // namespace

std::int32_t cellValue(std::string_view cell) {
    return readIntegerOr(cell, kNoNumber);
}

MergedPiece AccumulatePiece(const guard::TEquipmentDatas& table, const std::string& name,
                            ArmourSetEvaluation& evaluation) {
    const auto piece =
        std::find_if(table.begin(), table.end(), [&](const guard::TEquipmentData& each) { return each.Name == name; });
    return piece == table.end() ? MergedPiece{} : accumulatePiece(*piece, evaluation);
}

ArmourSetEvaluation EvaluateArmourSet(const ArmourTables& tables, const ArmourSelection& selection) {
    ArmourSetEvaluation evaluation;
    for (const ArmourSlot slot : kArmourSlots)
        if (const std::optional<std::string>& name = selection.Names[slotIndex(slot)])
            placePiece(evaluation, slot, AccumulatePiece(tables.slotTable(slot), *name, evaluation));
    finishEvaluation(tables.SkillDatas, evaluation);
    return evaluation;
}

ArmourSetEvaluation EvaluateArmourPieces(const guard::TSkillDatas& skills, const PieceSelection& pieces) {
    ArmourSetEvaluation evaluation;
    for (const ArmourSlot slot : kArmourSlots)
        if (const guard::TEquipmentData* piece = pieces[slotIndex(slot)])
            placePiece(evaluation, slot, accumulatePiece(*piece, evaluation));
    finishEvaluation(skills, evaluation);
    return evaluation;
}

bool isTorsoUpEntry(const guard::TSkillData& entry) {
    return entry.Name == kTorsoUpSkill || entry.Skill == kTorsoUpSkill;
}

std::int32_t torsoUpBodyPoints(std::int32_t points, std::int32_t multiplier) {
    const std::int32_t product = wrappingMultiply(points, multiplier);
    return multiplier > 1 && product != 0 ? product : points;
}

MergedEntries mergedSkills(const guard::TEquipmentData& piece) {
    MergedEntries merged;
    for (const guard::TEquipmentSkillData& skill : piece.Skills)
        merge(merged, skill.Name, skill.Val);
    return merged;
}

ArmourSelection selectionOfPiece(const ArmourTables& tables, const std::string& name) {
    ArmourSelection selection;
    for (const ArmourSlot slot : kArmourSlots) {
        const guard::TEquipmentDatas& table = tables.slotTable(slot);
        const bool holdsName = std::any_of(table.begin(), table.end(),
                                           [&](const guard::TEquipmentData& piece) { return piece.Name == name; });
        if (holdsName)
            selection.Names[slotIndex(slot)] = name;
    }
    return selection;
}

} // namespace trelkin
