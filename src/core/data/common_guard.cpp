#include "core/data/common_guard.h"

#include "core/data/common.h"
#include "core/data/xml.h"
#include "core/text/integer_reader.h"

namespace trelkin::guard {
namespace {

using xml::attributeInteger;
using xml::childInteger;
using xml::childText;
using xml::readEntries;

const std::string kYes = "Y";

// Only exactly "Y" grants a flag; a missing attribute reads as empty text.
bool flag(const QDomElement& element, const QString& name) {
    return xml::attributeOf(element, name) == kYes;
}

void readSkillRow(const QDomElement& row, TSkillData& skill) {
    skill.Skill = childText(row, QStringLiteral("skill"));
    skill.Name = childText(row, QStringLiteral("name"));
    skill.RangeMin = childInteger(row, QStringLiteral("range_min"));
    skill.RangeMax = childInteger(row, QStringLiteral("range_max"));
    skill.Effect = childText(row, QStringLiteral("effect"));
}

void readSkillRows(const QDomElement& skillList, TSkillDatas& skills) {
    const std::vector<QDomElement> rows = xml::childNodes(skillList);
    skills.assign(rows.size(), TSkillData{});
    for (size_t i = 0; i < rows.size(); ++i)
        readSkillRow(rows[i], skills[i]);
}

void readPiece(const QDomElement& element, TEquipmentData& piece) {
    piece.Name = childText(element, QStringLiteral("name"));
    piece.Rare = childInteger(element, QStringLiteral("rare"));
    piece.Def = childInteger(element, QStringLiteral("def"));
    const QDomElement wearers = xml::childElement(element, QStringLiteral("enableequipment"));
    piece.Male = flag(wearers, QStringLiteral("m"));
    piece.Female = flag(wearers, QStringLiteral("f"));
    piece.Swordsman = flag(wearers, QStringLiteral("s"));
    piece.Gunner = flag(wearers, QStringLiteral("g"));
    const QDomElement resistances = xml::childElement(element, QStringLiteral("attr"));
    piece.Fire = attributeInteger(resistances, QStringLiteral("fire"));
    piece.Water = attributeInteger(resistances, QStringLiteral("water"));
    piece.Thunder = attributeInteger(resistances, QStringLiteral("thunder"));
    piece.Dragon = attributeInteger(resistances, QStringLiteral("dragon"));
    piece.Sale = readIntegerOr(childText(element, QStringLiteral("sale")), kNoSale);
    piece.Production = childInteger(element, QStringLiteral("production"));
    readEntries(xml::childElement(element, QStringLiteral("materials")), QStringLiteral("num"), &TMaterialData::Num,
                piece.Materials);
    readEntries(xml::childElement(element, QStringLiteral("skill")), QStringLiteral("val"), &TEquipmentSkillData::Val,
                piece.Skills);
}

} // namespace

void ReadEquipmentDatas(TEquipmentDatas& table, const QDomElement& slotElement) {
    const std::vector<QDomElement> pieces = xml::childNodes(slotElement);
    table.assign(pieces.size(), TEquipmentData{});
    for (size_t i = 0; i < pieces.size(); ++i)
        readPiece(pieces[i], table[i]);
}

void readGuardText(std::string_view plainText, TSkillDatas& SkillDatas, TEquipmentDatas& HeadDatas,
                   TEquipmentDatas& BodyDatas, TEquipmentDatas& ArmDatas, TEquipmentDatas& WaistDatas,
                   TEquipmentDatas& LegDatas) {
    // Every table is emptied first, so a load that stops early leaves the later ones empty.
    SkillDatas.clear();
    for (TEquipmentDatas* table : {&HeadDatas, &BodyDatas, &ArmDatas, &WaistDatas, &LegDatas})
        table->clear();

    const QDomDocument document = xml::parseDocument(plainText);
    const QDomElement root = document.documentElement();
    const QDomElement armourList = xml::childElement(root, QStringLiteral("armorlist"));
    readSkillRows(xml::childElement(root, QStringLiteral("skilllist")), SkillDatas);
    ReadEquipmentDatas(HeadDatas, xml::childElement(armourList, QStringLiteral("head")));
    ReadEquipmentDatas(BodyDatas, xml::childElement(armourList, QStringLiteral("body")));
    ReadEquipmentDatas(ArmDatas, xml::childElement(armourList, QStringLiteral("arm")));
    ReadEquipmentDatas(WaistDatas, xml::childElement(armourList, QStringLiteral("waist")));
    ReadEquipmentDatas(LegDatas, xml::childElement(armourList, QStringLiteral("leg")));
}

void LoadGuardData(const QString& path, TSkillDatas& SkillDatas, TEquipmentDatas& HeadDatas, TEquipmentDatas& BodyDatas,
                   TEquipmentDatas& ArmDatas, TEquipmentDatas& WaistDatas, TEquipmentDatas& LegDatas) {
    readGuardText(ReadScrambledFile(path), SkillDatas, HeadDatas, BodyDatas, ArmDatas, WaistDatas, LegDatas);
}

} // namespace trelkin::guard
