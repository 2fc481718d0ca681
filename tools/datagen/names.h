#pragma once

// Word parts the generated names are composed from. Every string must stay encodable in CP932, because the build
// ships guard.xml in that code page.

#include <array>
#include <string>
#include <vector>

namespace datagen {

enum class Element { None, Fire, Water, Thunder, Dragon, Poison, Paralysis, Sleep };
inline constexpr int kElementCount = 8;

// Text of an element as a weapon's additional effect; empty for Element::None.
const std::string& elementEffectName(Element element);
bool isStatusElement(Element element);

enum class Body { Dragon, Beast, Bird, Fish, Bug, Reptile };

struct Monster {
    std::string name;
    Element element;
    Body body;
};
const std::vector<Monster>& monsters();
const std::vector<std::string>& bodyParts(Body body);

enum class MaterialKind { Ore, Plant, Insect, Organ, Liquid, Bone, Part };

struct Gathered {
    std::string name;
    MaterialKind kind;
};
const std::vector<Gathered>& gatheredMaterials();

// Recipe products fall into three families; each prefers its own kind of ingredients.
enum class Family { Medicine, Tool, Alchemy };
inline constexpr int kFamilyCount = 3;

struct ProductBase {
    std::string name;
    Family family;
    std::string category; // noun the description calls the item, e.g. "薬"
    std::string effect;   // clause the description ends with
};
const std::vector<ProductBase>& productBases();

struct Qualifier {
    std::string word;
    std::string phrase; // attributive phrase for the description
};
// Medicine and tools take the word directly ("特製癒し薬"), alchemy joins it with "の" ("紅蓮の魔石").
const std::vector<Qualifier>& craftQualifiers();
const std::vector<Qualifier>& alchemyQualifiers();
const std::vector<Qualifier>& productGrades(); // word is a name suffix, phrase a noun tail ("の改良品")
const std::vector<MaterialKind>& preferredKinds(Family family);
const std::vector<std::string>& stapleMaterials(Family family);

struct SkillTheme {
    std::string system;
    std::string label;   // stem of the skill names, e.g. "攻撃力"
    std::string subject; // start of the effect sentence, e.g. "攻撃力が"
    std::string up;
    std::string down;
};
const std::vector<SkillTheme>& skillThemes();

struct SeriesStem {
    std::string word;
    bool katakana;
};
const std::vector<SeriesStem>& armorStems();
inline constexpr int kSlotCount = 5;
using SlotWords = std::array<std::string, kSlotCount>;
const SlotWords& slotSuffixes(bool katakana, bool light);
const std::vector<std::string>& seriesVariants();
const std::vector<std::string>& wearerTitles();           // "旅人" in "旅人の鉢巻"
const std::vector<std::string>& accessoryNouns(int slot); // single pieces outside any series

struct SharedPiece {
    std::string noun;
    int firstSlot;
    int secondSlot;
};
const std::vector<SharedPiece>& sharedPieces(); // pieces sold under one name for two slots

struct WeaponStem {
    std::string word;
    Element element;
    bool katakana;
};
const std::vector<WeaponStem>& weaponStems();

struct WeaponClass {
    std::string name;
    int baseAttack;
    int attackStep; // attack gained per upgrade level
    std::vector<std::string> kanjiNouns;
    std::vector<std::string> katakanaNouns;
};
const std::vector<WeaponClass>& weaponClasses();
const std::vector<std::string>& epithets();

} // namespace datagen
