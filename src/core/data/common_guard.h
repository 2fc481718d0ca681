#pragma once

#include "core/data/xml.h"

#include <QString>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The armour module lives in a namespace of its own: the weapon module has a material record with the same
// name and fields, and the two must stay separate types (guard::TMaterialData, weapon::TMaterialData).
namespace trelkin::guard {

// One activation range of a skill system. Texts are code page 932 bytes.
struct TSkillData {
    std::string Skill{}; // the skill system that pieces give points to
    std::string Name{};  // the skill activated within the range
    std::int32_t RangeMin = 0;
    std::int32_t RangeMax = 0;
    std::string Effect{};
};
using TSkillDatas = std::vector<TSkillData>;

// One material a piece needs.
struct TMaterialData {
    std::int32_t Num = 0;
    std::string Name{};
};
using TMaterialDatas = std::vector<TMaterialData>;

// The points a piece gives to one skill system (negative for a penalty).
struct TEquipmentSkillData {
    std::int32_t Val = 0;
    std::string Name{};
};
using TEquipmentSkillDatas = std::vector<TEquipmentSkillData>;

// The shop price of a piece whose file gives none or no integer.
inline constexpr std::int32_t kNoSale = -1;

// One armour piece.
struct TEquipmentData {
    std::string Name{};
    std::int32_t Rare = 0;
    std::int32_t Def = 0;
    bool Male = false;
    bool Female = false;
    bool Swordsman = false;
    bool Gunner = false;
    std::int32_t Fire = 0;
    std::int32_t Water = 0;
    std::int32_t Thunder = 0;
    std::int32_t Dragon = 0;
    std::int32_t Sale = 0;
    std::int32_t Production = 0;
    TMaterialDatas Materials{};
    TEquipmentSkillDatas Skills{};
};
using TEquipmentDatas = std::vector<TEquipmentData>;

// Replaces the six tables with the skill list and the five slot lists of the armour data file. The first error
// stops the load: the table being filled keeps its full length, with the failing record partly read and the
// ones after it empty, and the tables of later slots stay empty. Throws Error "ファイル <path> は開けません",
// the XML parser's message (after the file's name: "guard.dat: ..."), "要素は単純テキストノードを含んでいません" or
// "'<text>' は整数ではありません".
void LoadGuardData(const QString& path, TSkillDatas& SkillDatas, TEquipmentDatas& HeadDatas, TEquipmentDatas& BodyDatas,
                   TEquipmentDatas& ArmDatas, TEquipmentDatas& WaistDatas, TEquipmentDatas& LegDatas);

// The same over the plain text of the file, for callers that already hold it; a parser's message names the
// source when one is given.
void readGuardText(std::string_view plainText, TSkillDatas& SkillDatas, TEquipmentDatas& HeadDatas,
                   TEquipmentDatas& BodyDatas, TEquipmentDatas& ArmDatas, TEquipmentDatas& WaistDatas,
                   TEquipmentDatas& LegDatas, const QString& source = QString());

// Replaces the table with one piece per child node of the slot element, in document order.
void ReadEquipmentDatas(TEquipmentDatas& table, const xml::Element& slotElement);

} // namespace trelkin::guard
