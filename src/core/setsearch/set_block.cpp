#include "core/setsearch/set_block.h"

#include "core/armour/evaluation.h"
#include "core/setsearch/set_order.h"
#include "core/text/ascii_case.h"
#include "core/text/cp932.h"
#include "core/util/wrapping.h"

#include <utility>

namespace trelkin {
namespace {

const std::string kPiecesHeading = toCp932(QStringLiteral("【防具一覧】"));
const std::string kDefenceHeading = toCp932(QStringLiteral("【総防御力】"));
const std::string kSkillsHeading = toCp932(QStringLiteral("【発動スキル】"));
const std::string kCaptionSeparator = toCp932(QStringLiteral(" ： "));
constexpr std::size_t kSeparatorLength = 26;

const guard::TEquipmentData& pieceOf(const ArmourTables& tables, const FoundSet& set, ArmourSlot slot) {
    return tables.slotTable(slot)[set.Pieces[slotIndex(slot)]];
}

// Skill systems with their summed points, in order of first appearance.
std::vector<std::pair<std::string, std::int32_t>> pointSums(const ArmourTables& tables, const FoundSet& set) {
    std::vector<std::pair<std::string, std::int32_t>> sums;
    for (const ArmourSlot slot : kArmourSlots) {
        for (const guard::TEquipmentSkillData& entry : pieceOf(tables, set, slot).Skills) {
            auto found = std::find_if(sums.begin(), sums.end(),
                                      [&](const auto& sum) { return equalsIgnoringAsciiCase(sum.first, entry.Name); });
            if (found == sums.end())
                sums.emplace_back(entry.Name, entry.Val);
            else
                addWrapping(found->second, entry.Val);
        }
    }
    return sums;
}

} // namespace

std::vector<std::string> setActivatedSkills(const ArmourTables& tables, const FoundSet& set, bool torsoUp) {
    if (torsoUp) {
        PieceSelection pieces{};
        for (const ArmourSlot slot : kArmourSlots)
            pieces[slotIndex(slot)] = &pieceOf(tables, set, slot);
        return EvaluateArmourPieces(tables.SkillDatas, pieces).ActivatedSkills;
    }
    std::vector<std::string> activated;
    for (const auto& [system, sum] : pointSums(tables, set))
        for (const guard::TSkillData& row : tables.SkillDatas)
            if (row.Skill == system && row.RangeMin <= sum && sum <= row.RangeMax)
                activated.push_back(row.Name);
    return activated;
}

std::vector<std::string> setBlockLines(const ArmourTables& tables, const FoundSet& set, bool torsoUp) {
    std::vector<std::string> lines{kPiecesHeading};
    for (const ArmourSlot slot : kArmourSlots)
        lines.push_back(slotCaption(slot) + kCaptionSeparator + pieceOf(tables, set, slot).Name);
    lines.push_back(kDefenceHeading);
    lines.push_back(std::to_string(setSum(tables, set, SetOrderKey::Defence)));
    lines.push_back(kSkillsHeading);
    for (std::string& skill : setActivatedSkills(tables, set, torsoUp))
        lines.push_back(std::move(skill));
    lines.emplace_back();
    lines.emplace_back(kSeparatorLength, '-');
    return lines;
}

std::string setBlockText(const ArmourTables& tables, const FoundSet& set, bool torsoUp) {
    std::string text;
    for (const std::string& line : setBlockLines(tables, set, torsoUp)) {
        text += line;
        text += '\n';
    }
    return text;
}

} // namespace trelkin
