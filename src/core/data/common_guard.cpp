#include "core/data/common_guard.h"

#include "core/data/common.h"
#include "core/data/xml.h"
#include "core/text/integer_reader.h"

#include <QFileInfo>

namespace trelkin::guard {
namespace {

using xml::attributeInteger;
using xml::childInteger;
using xml::childText;
using xml::readEntries;

const std::string kYes = "Y";

// Only exactly "Y" grants a flag; a missing attribute reads as empty text.
bool flag(const xml::Element& element, QStringView name) {
    return xml::attributeOf(element, name) == kYes;
}

void readSkillRow(const xml::Element& row, TSkillData& skill) {
    skill.Skill = childText(row, u"skill");
    skill.Name = childText(row, u"name");
    skill.RangeMin = childInteger(row, u"range_min");
    skill.RangeMax = childInteger(row, u"range_max");
    skill.Effect = childText(row, u"effect");
}

void readSkillRows(const xml::Element& skillList, TSkillDatas& skills) {
    const std::vector<xml::Element> rows = xml::childNodes(skillList);
    skills.assign(rows.size(), TSkillData{});
    for (size_t i = 0; i < rows.size(); ++i)
        readSkillRow(rows[i], skills[i]);
}

void readPiece(const xml::Element& element, TEquipmentData& piece) {
    piece.Name = childText(element, u"name");
    piece.Rare = childInteger(element, u"rare");
    piece.Def = childInteger(element, u"def");
    const xml::Element wearers = xml::childElement(element, u"enableequipment");
    piece.Male = flag(wearers, u"m");
    piece.Female = flag(wearers, u"f");
    piece.Swordsman = flag(wearers, u"s");
    piece.Gunner = flag(wearers, u"g");
    const xml::Element resistances = xml::childElement(element, u"attr");
    piece.Fire = attributeInteger(resistances, u"fire");
    piece.Water = attributeInteger(resistances, u"water");
    piece.Thunder = attributeInteger(resistances, u"thunder");
    piece.Dragon = attributeInteger(resistances, u"dragon");
    piece.Sale = readIntegerOr(childText(element, u"sale"), kNoSale);
    piece.Production = childInteger(element, u"production");
    readEntries(xml::childElement(element, u"materials"), u"num", &TMaterialData::Num, piece.Materials);
    readEntries(xml::childElement(element, u"skill"), u"val", &TEquipmentSkillData::Val, piece.Skills);
}

} // namespace

void ReadEquipmentDatas(TEquipmentDatas& table, const xml::Element& slotElement) {
    const std::vector<xml::Element> pieces = xml::childNodes(slotElement);
    table.assign(pieces.size(), TEquipmentData{});
    for (size_t i = 0; i < pieces.size(); ++i)
        readPiece(pieces[i], table[i]);
}

void readGuardText(std::string_view plainText, TSkillDatas& SkillDatas, TEquipmentDatas& HeadDatas,
                   TEquipmentDatas& BodyDatas, TEquipmentDatas& ArmDatas, TEquipmentDatas& WaistDatas,
                   TEquipmentDatas& LegDatas, const QString& source) {
    // Every table is emptied first, so a load that stops early leaves the later ones empty.
    SkillDatas.clear();
    for (TEquipmentDatas* table : {&HeadDatas, &BodyDatas, &ArmDatas, &WaistDatas, &LegDatas})
        table->clear();

    const xml::Document document = xml::parseDocument(plainText, source);
    const xml::Element root = document.documentElement();
    const xml::Element armourList = xml::childElement(root, u"armorlist");
    readSkillRows(xml::childElement(root, u"skilllist"), SkillDatas);
    ReadEquipmentDatas(HeadDatas, xml::childElement(armourList, u"head"));
    ReadEquipmentDatas(BodyDatas, xml::childElement(armourList, u"body"));
    ReadEquipmentDatas(ArmDatas, xml::childElement(armourList, u"arm"));
    ReadEquipmentDatas(WaistDatas, xml::childElement(armourList, u"waist"));
    ReadEquipmentDatas(LegDatas, xml::childElement(armourList, u"leg"));
}

void LoadGuardData(const QString& path, TSkillDatas& SkillDatas, TEquipmentDatas& HeadDatas, TEquipmentDatas& BodyDatas,
                   TEquipmentDatas& ArmDatas, TEquipmentDatas& WaistDatas, TEquipmentDatas& LegDatas) {
    readGuardText(ReadScrambledFile(path), SkillDatas, HeadDatas, BodyDatas, ArmDatas, WaistDatas, LegDatas,
                  QFileInfo(path).fileName());
}

} // namespace trelkin::guard
