#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The weapon module has its own material record; the armour module's (guard::TMaterialData) is a separate type.
namespace trelkin::weapon {

// One additional effect of a weapon (an element, a status or "防御力"). Texts are code page 932 bytes.
struct TAdditionaleffectData {
    std::string Name{};
    std::int32_t Value = 0;
};
using TAdditionaleffectDatas = std::vector<TAdditionaleffectData>;

// One material line, the count first.
struct TMaterialData {
    std::int32_t Num = 0;
    std::string Name{};
};
using TMaterialDatas = std::vector<TMaterialData>;

// One weapon. Its index in the table is its identity for the views; weapons name their parent, never index it.
struct TWeaponData {
    std::string Type{};
    std::string Name{};
    std::int32_t Attack = 0;
    TAdditionaleffectDatas Additionaleffects{};
    std::int32_t Sale = 0;       // production price
    std::int32_t Production = 0; // upgrade price
    TMaterialDatas CreateMaterials{};
    TMaterialDatas Materials{}; // to upgrade the parent into this weapon
    std::string ParentWeapon{}; // empty for a weapon that starts a line
};
using TWeaponDatas = std::vector<TWeaponData>;

// Replaces the table with one weapon per child node of "weaponlist", in document order. The first error stops
// the load: the table keeps its full length, with the failing record partly read and the ones after it empty.
// Throws Error "ファイル <path> は開けません", the XML parser's message (after the file's name: "weapon.dat: ..."),
// "要素は単純テキストノードを含んでいません" or "'<text>' は整数ではありません".
void LoadWeaponData(const QString& path, TWeaponDatas& Weapons);

// The same over the plain text of the file, for callers that already hold it; a parser's message names the
// source when one is given.
void readWeaponText(std::string_view plainText, TWeaponDatas& Weapons, const QString& source = QString());

} // namespace trelkin::weapon
