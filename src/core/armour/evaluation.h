#pragma once

#include "core/data/armour_tables.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace trelkin {

// The armour set evaluation that the detail group shows: totals, material and skill point rows with the torso-up
// rule, and the activated skills. Texts are code page 932 bytes.

// The skill system that multiplies the body piece's points, and what its cells and total show.
extern const std::string kTorsoUpSkill;
inline constexpr std::string_view kTorsoUpCell = "E";
inline constexpr std::string_view kTorsoUpTotal = "-";

// For each slot (in kArmourSlots order) either no piece or a piece name; the empty name matches no piece.
struct ArmourSelection {
    std::array<std::optional<std::string>, kArmourSlotCount> Names;
};

// One material or skill system: a cell per slot (empty when that slot's piece does not list the name) and the
// total of the cells.
struct EvaluationRow {
    std::string Name;
    std::array<std::string, kArmourSlotCount> Cells;
    std::string Total;

    friend bool operator==(const EvaluationRow&, const EvaluationRow&) = default;
};

struct ArmourSetEvaluation {
    std::int32_t TorsoMultiplier = 1; // 1 plus the number of evaluated pieces that list the torso-up skill
    std::int32_t TotalDef = 0;
    std::int32_t TotalProduction = 0;
    std::int32_t TotalFire = 0;
    std::int32_t TotalWater = 0;
    std::int32_t TotalThunder = 0;
    std::int32_t TotalDragon = 0;
    std::vector<EvaluationRow> MaterialRows; // in order of first appearance, head to leg
    std::vector<EvaluationRow> SkillRows;
    std::vector<std::string> ActivatedSkills; // skill table Names, in skill table order
};

// Names with their summed amounts, in order of first appearance.
using MergedEntries = std::vector<std::pair<std::string, std::int32_t>>;

struct MergedPiece {
    MergedEntries MergedSkills;
    MergedEntries MergedMaterials;
};

// Adds the first piece of that name in the table to the evaluation's six totals and returns its skill points and
// material counts with entries of one name (ASCII letter case ignored) summed. A name that no piece carries
// changes nothing and gives empty lists.
MergedPiece AccumulatePiece(const guard::TEquipmentDatas& table, const std::string& name,
                            ArmourSetEvaluation& evaluation);

// The evaluation of the selected pieces. Sums are 32-bit and wrap around instead of overflowing.
ArmourSetEvaluation EvaluateArmourSet(const ArmourTables& tables, const ArmourSelection& selection);

// One piece or none per slot, head to leg.
using PieceSelection = std::array<const guard::TEquipmentData*, kArmourSlotCount>;

// The same evaluation of the pieces themselves, as a set of the set search holds them: a piece is never looked up
// by its name, so a piece whose name an earlier piece of its slot has counts as itself.
ArmourSetEvaluation EvaluateArmourPieces(const guard::TSkillDatas& skills, const PieceSelection& pieces);

// The merged skill entries of one piece: entries whose names differ only in ASCII letter case summed under the
// name met first.
MergedEntries mergedSkills(const guard::TEquipmentData& piece);

// What the body's points of a skill count under the torso-up rule: `multiplier` times, except where that
// product (wrapping around) is 0, which leaves them as they were.
std::int32_t torsoUpBodyPoints(std::int32_t points, std::int32_t multiplier);

// The skill table entries of the torso-up system itself, never activated: their row's total is no number.
bool isTorsoUpEntry(const guard::TSkillData& entry);

// The selection that shows one piece of the search list: its name in every slot whose table holds a piece of
// that name, so that a name used in two slots shows both pieces.
ArmourSelection selectionOfPiece(const ArmourTables& tables, const std::string& name);

// The number a cell or total holds; 0 for an empty cell, "E", "-" or other text.
std::int32_t cellValue(std::string_view cell);

} // namespace trelkin
