#pragma once

#include "names.h"
#include "rng.h"

#include <array>
#include <set>
#include <string>
#include <vector>

namespace datagen {

struct Counts {
    int recipes = 260;
    int skills = 42;  // skill systems, the torso-up system included
    int pieces = 100; // per armour slot
    int weapons = 320;
};

struct RawMaterial {
    std::string name;
    MaterialKind kind;
};

// What recipes, armour and weapons have in common: the monsters of this data set and what can be gathered or
// carved, plus the refined alchemy products once the recipes exist.
struct World {
    std::vector<const Monster*> monsters;
    std::vector<RawMaterial> raws;
    std::vector<std::string> ores;
    std::vector<std::string> refined;
};

World makeWorld(int recipeCount, Rng& rng);
std::vector<std::string> carvings(const Monster& monster); // "鋼竜の甲殻", ...
const Monster& monsterFor(const World& world, Element element, Rng& rng);

// Remembers every name handed out, so that no two entries of a file share one.
class UniqueNames {
public:
    bool claim(const std::string& name) { return used_.insert(name).second; }

private:
    std::set<std::string> used_;
};

struct Recipe {
    int number;
    std::string item;
    std::string material1;
    std::string material2;
    int rate;
    std::string description;
    Family family;
    int quantity;
};

std::vector<Recipe> makeRecipes(World& world, int count, Rng& rng);

inline const std::string kTorsoUp = "胴系統倍加";

struct SkillRow {
    std::string system;
    std::string name;
    int min;
    int max;
    std::string effect;
};

struct SkillTable {
    std::vector<std::string> systems; // the ones armour may carry, torso-up excluded
    std::vector<SkillRow> rows;
};

SkillTable makeSkills(int systemCount, Rng& rng);

struct Amount {
    std::string name;
    int num;
};

struct SkillPoint {
    std::string system;
    int value;
};

struct Wearer {
    bool male = true;
    bool female = true;
    bool swordsman = true;
    bool gunner = true;
};

inline constexpr int kResistCount = 4; // fire, water, thunder, dragon

struct ArmorPiece {
    int slot;
    std::string name;
    int rare;
    int def;
    Wearer wearer;
    std::array<int, kResistCount> resist;
    int sale;
    int production;
    std::vector<Amount> materials;
    std::vector<SkillPoint> skills;
};

std::vector<ArmorPiece> makeArmor(const World& world, const SkillTable& skills, int perSlot, Rng& rng);

// Pieces that rarely count alike: each with its own defence in its slot and three skills of the first ten systems.
std::vector<ArmorPiece> makeDiverseArmor(const SkillTable& skills, int perSlot, Rng& rng);

struct Effect {
    std::string name;
    int value;
};

struct Weapon {
    std::string type;
    std::string name;
    int attack;
    std::vector<Effect> effects;
    int sale;       // price to forge it from scratch, 0 when it cannot be
    int production; // price of the upgrade from its parent
    std::vector<Amount> createMaterials;
    std::vector<Amount> upgradeMaterials;
    std::string parent;
};

std::vector<Weapon> makeWeapons(const World& world, int count, Rng& rng);

// Up to `count` distinct materials: first a part of `monster` (or an ore), then a mix of its parts, ores and refined
// products, each wanted 1 to `maxNum` times.
std::vector<Amount> pickMaterials(const World& world, const Monster& monster, bool oreFirst, int count, int maxNum,
                                  Rng& rng);

std::string prepareText(const std::vector<Recipe>& recipes);
std::string guardXml(const SkillTable& skills, const std::vector<ArmorPiece>& pieces);
std::string weaponXml(const std::vector<Weapon>& weapons);

} // namespace datagen
