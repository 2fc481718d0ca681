#include "core/data/common_weapon.h"

#include "core/data/common.h"
#include "core/data/xml.h"
#include "core/text/integer_reader.h"

namespace trelkin::weapon {
namespace {

// A price that the file gives as no integer (or not at all) is 0.
constexpr std::int32_t kNoPrice = 0;

std::int32_t childPrice(const QDomElement& parent, const QString& name) {
    return readIntegerOr(xml::childText(parent, name), kNoPrice);
}

void readMaterials(const QDomElement& weapon, const QString& listName, TMaterialDatas& materials) {
    xml::readEntries(xml::childElement(weapon, listName), QStringLiteral("num"), &TMaterialData::Num, materials);
}

void readWeapon(const QDomElement& element, TWeaponData& weapon) {
    weapon.Type = xml::childText(element, QStringLiteral("type"));
    weapon.Name = xml::childText(element, QStringLiteral("name"));
    weapon.Attack = xml::childInteger(element, QStringLiteral("attack"));
    xml::readEntries(xml::childElement(element, QStringLiteral("additionaleffect")), QStringLiteral("value"),
                     &TAdditionaleffectData::Value, weapon.Additionaleffects);
    weapon.Sale = childPrice(element, QStringLiteral("sale"));
    weapon.Production = childPrice(element, QStringLiteral("production"));
    readMaterials(element, QStringLiteral("creatematerials"), weapon.CreateMaterials);
    readMaterials(element, QStringLiteral("materials"), weapon.Materials);
    weapon.ParentWeapon = xml::childText(element, QStringLiteral("parentweapon"));
}

} // namespace

void readWeaponText(std::string_view plainText, TWeaponDatas& Weapons) {
    Weapons.clear();
    const QDomDocument document = xml::parseDocument(plainText);
    const QDomElement weaponList = xml::childElement(document.documentElement(), QStringLiteral("weaponlist"));
    const std::vector<QDomElement> elements = xml::childNodes(weaponList);
    Weapons.assign(elements.size(), TWeaponData{});
    for (size_t i = 0; i < elements.size(); ++i)
        readWeapon(elements[i], Weapons[i]);
}

void LoadWeaponData(const QString& path, TWeaponDatas& Weapons) {
    readWeaponText(ReadScrambledFile(path), Weapons);
}

} // namespace trelkin::weapon
