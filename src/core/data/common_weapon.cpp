#include "core/data/common_weapon.h"

#include "core/data/common.h"
#include "core/data/xml.h"
#include "core/text/integer_reader.h"

#include <QFileInfo>

namespace trelkin::weapon {
namespace {

// A price that the file gives as no integer (or not at all) is 0.
constexpr std::int32_t kNoPrice = 0;

std::int32_t childPrice(const xml::Element& parent, QStringView name) {
    return readIntegerOr(xml::childText(parent, name), kNoPrice);
}

void readMaterials(const xml::Element& weapon, QStringView listName, TMaterialDatas& materials) {
    xml::readEntries(xml::childElement(weapon, listName), u"num", &TMaterialData::Num, materials);
}

void readWeapon(const xml::Element& element, TWeaponData& weapon) {
    weapon.Type = xml::childText(element, u"type");
    weapon.Name = xml::childText(element, u"name");
    weapon.Attack = xml::childInteger(element, u"attack");
    xml::readEntries(xml::childElement(element, u"additionaleffect"), u"value", &TAdditionaleffectData::Value,
                     weapon.Additionaleffects);
    weapon.Sale = childPrice(element, u"sale");
    weapon.Production = childPrice(element, u"production");
    readMaterials(element, u"creatematerials", weapon.CreateMaterials);
    readMaterials(element, u"materials", weapon.Materials);
    weapon.ParentWeapon = xml::childText(element, u"parentweapon");
}

} // namespace

void readWeaponText(std::string_view plainText, TWeaponDatas& Weapons, const QString& source) {
    Weapons.clear();
    const xml::Document document = xml::parseDocument(plainText, source);
    const xml::Element weaponList = xml::childElement(document.documentElement(), u"weaponlist");
    const std::vector<xml::Element> elements = xml::childNodes(weaponList);
    Weapons.assign(elements.size(), TWeaponData{});
    for (size_t i = 0; i < elements.size(); ++i)
        readWeapon(elements[i], Weapons[i]);
}

void LoadWeaponData(const QString& path, TWeaponDatas& Weapons) {
    readWeaponText(ReadScrambledFile(path), Weapons, QFileInfo(path).fileName());
}

} // namespace trelkin::weapon
