#include "oracle/literal_set_search.h"

#include "core/armour/evaluation.h"
#include "core/text/cp932.h"

#include <array>
#include <optional>

namespace trelkin::oracle {
namespace {

using Pieces = std::array<const guard::TEquipmentData*, 5>;

std::string sjis(const char* utf8) {
    return toCp932(QString::fromUtf8(utf8));
}

bool sameIgnoringAsciiCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto up = [](char c) { return c >= 'a' && c <= 'z' ? char(c - 32) : c; };
        if (up(a[i]) != up(b[i]))
            return false;
    }
    return true;
}

bool listed(const std::vector<std::string>& names, const std::string& name) {
    for (const std::string& each : names)
        if (each == name)
            return true;
    return false;
}

bool passes(const guard::TEquipmentData& piece, size_t slot, const SetSearchQuery& query) {
    if (piece.Def < query.MinEachDef)
        return false;
    if (listed(query.Excluded[slot], piece.Name))
        return false;
    if (!query.Pinned[slot].empty() && !listed(query.Pinned[slot], piece.Name))
        return false;
    if (query.MaxRare && piece.Rare > *query.MaxRare)
        return false;
    if (query.sex == SetSearchQuery::Sex::Male && !piece.Male)
        return false;
    if (query.sex == SetSearchQuery::Sex::Female && !piece.Female)
        return false;
    if (query.wearerClass == SetSearchQuery::WearerClass::Swordsman && !piece.Swordsman)
        return false;
    if (query.wearerClass == SetSearchQuery::WearerClass::Gunner && !piece.Gunner)
        return false;
    return true;
}

std::vector<std::string> activatedList(const ArmourTables& tables, const Pieces& pieces) {
    std::vector<std::pair<std::string, std::int32_t>> pointSums;
    for (const guard::TEquipmentData* piece : pieces) {
        for (const guard::TEquipmentSkillData& entry : piece->Skills) {
            bool merged = false;
            for (auto& pair : pointSums) {
                if (sameIgnoringAsciiCase(pair.first, entry.Name)) {
                    pair.second = std::int32_t(std::uint32_t(pair.second) + std::uint32_t(entry.Val));
                    merged = true;
                    break;
                }
            }
            if (!merged)
                pointSums.emplace_back(entry.Name, entry.Val);
        }
    }
    std::vector<std::string> activated;
    for (const auto& pair : pointSums)
        for (const guard::TSkillData& row : tables.SkillDatas)
            if (row.Skill == pair.first && row.RangeMin <= pair.second && pair.second <= row.RangeMax)
                activated.push_back(row.Name);
    return activated;
}

std::int32_t totalDefence(const Pieces& pieces) {
    std::uint32_t total = 0;
    for (const guard::TEquipmentData* piece : pieces)
        total += std::uint32_t(piece->Def);
    return std::int32_t(total);
}

const std::string kPiecesHeading = sjis("【防具一覧】");
const std::string kDefenceHeading = sjis("【総防御力】");
const std::string kSkillsHeading = sjis("【発動スキル】");
const std::array<std::string, 5> kCaptions{sjis("頭 ： "), sjis("胴 ： "), sjis("腕 ： "), sjis("腰 ： "),
                                           sjis("脚 ： ")};

void writeBlock(const Pieces& pieces, std::int32_t total, const std::vector<std::string>& activated, std::string& out) {
    out += kPiecesHeading + "\n";
    for (size_t i = 0; i < 5; ++i)
        out += kCaptions[i] + pieces[i]->Name + "\n";
    out += kDefenceHeading + "\n" + std::to_string(total) + "\n" + kSkillsHeading + "\n";
    for (const std::string& name : activated)
        out += name + "\n";
    out += "\n--------------------------\n";
}

// The activated skills of the set when it qualifies.
std::optional<std::vector<std::string>> judge(const ArmourTables& tables, const SetSearchQuery& query,
                                              const Pieces& pieces) {
    if (totalDefence(pieces) < query.MinTotalDef)
        return std::nullopt;
    // The torso-up rule is the armour evaluation's, applied to the five pieces.
    std::vector<std::string> activated =
        query.TorsoUp ? EvaluateArmourPieces(tables.SkillDatas, pieces).ActivatedSkills : activatedList(tables, pieces);
    for (const std::string& wanted : query.WantedSkills) {
        if (wanted.empty())
            continue;
        bool found = false;
        for (const std::string& name : activated)
            found = found || name == wanted;
        if (!found)
            return std::nullopt;
    }
    return activated;
}

} // namespace

std::vector<LiteralSet> literalSets(const ArmourTables& tables, const SetSearchQuery& query) {
    std::vector<LiteralSet> sets;
    const std::array<const guard::TEquipmentDatas*, 5> slotTables{
        &tables.HeadDatas, &tables.BodyDatas, &tables.ArmDatas, &tables.WaistDatas, &tables.LegDatas};
    for (size_t h = slotTables[0]->size(); h-- > 0;) {
        if (!passes((*slotTables[0])[h], 0, query))
            continue;
        for (size_t b = slotTables[1]->size(); b-- > 0;) {
            if (!passes((*slotTables[1])[b], 1, query))
                continue;
            for (size_t a = slotTables[2]->size(); a-- > 0;) {
                if (!passes((*slotTables[2])[a], 2, query))
                    continue;
                for (size_t w = slotTables[3]->size(); w-- > 0;) {
                    if (!passes((*slotTables[3])[w], 3, query))
                        continue;
                    for (size_t l = slotTables[4]->size(); l-- > 0;) {
                        if (!passes((*slotTables[4])[l], 4, query))
                            continue;
                        const std::array<size_t, 5> indices{h, b, a, w, l};
                        Pieces pieces;
                        for (size_t slot = 0; slot < 5; ++slot)
                            pieces[slot] = &(*slotTables[slot])[indices[slot]];
                        if (std::optional<std::vector<std::string>> activated = judge(tables, query, pieces))
                            sets.push_back({indices, std::move(*activated)});
                    }
                }
            }
        }
    }
    return sets;
}

std::string literalSetSearch(const ArmourTables& tables, const SetSearchQuery& query) {
    const std::array<const guard::TEquipmentDatas*, 5> slotTables{
        &tables.HeadDatas, &tables.BodyDatas, &tables.ArmDatas, &tables.WaistDatas, &tables.LegDatas};
    std::string out;
    for (const LiteralSet& set : literalSets(tables, query)) {
        Pieces pieces;
        for (size_t slot = 0; slot < 5; ++slot)
            pieces[slot] = &(*slotTables[slot])[set.pieces[slot]];
        writeBlock(pieces, totalDefence(pieces), set.activated, out);
    }
    return out;
}

} // namespace trelkin::oracle
