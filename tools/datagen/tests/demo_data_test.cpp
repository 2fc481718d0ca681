// Checks the shipped demo data (and, when TRELKIN_DATAGEN_DIR is set, any other generated data set) for the shapes
// the reference tool has to cope with: deep recipe chains, overlapping skill ranges, torso-up pieces, cross-class
// upgrade lines, and text that survives the conversion to CP932.

#include <QDomDocument>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QStringEncoder>
#include <QStringList>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

const QString kTorsoUp = QStringLiteral("胴系統倍加");
const QString kDefense = QStringLiteral("防御力");
const QStringList kSlots = {"head", "body", "arm", "waist", "leg"};
const QStringList kClasses = {"片手剣", "双剣", "大剣", "ハンマー", "ランス"};
const QStringList kElements = {"火属性", "水属性", "雷属性", "龍属性", "毒属性", "麻痺属性", "睡眠属性"};
constexpr int kRecipeFields = 8;
constexpr int kMinRecipes = 250;
constexpr int kMinRate = 65, kUsualRateLow = 75, kUsualRateHigh = 95, kMaxRate = 100;
constexpr int kMaxQuantity = 5, kUsualQuantity = 2;
constexpr int kUsualPercent = 60; // share of rates and yields in their usual band
constexpr int kMinAlchemyPercent = 15, kMaxAlchemyPercent = 45;
constexpr int kMaxRecipesPerItem = 3;
constexpr int kManyUses = 8;
constexpr int kSeveral = 3;
constexpr int kMinDerivationDepth = 4;
constexpr int kMinSkillSystems = 40, kMinSkillRows = 120, kMinOverlappingSystems = 2;
constexpr int kOpenEnd = 100; // range_min -100 reads "and below", range_max 100 "and above"
constexpr int kMinPiecesPerSlot = 100, kMinTorsoUpPerSlot = 3, kMinOneSexPieces = 5;
constexpr int kMaxRare = 7, kMaxResist = 5, kMaxEntries = 4;
constexpr int kMinWeapons = 300, kMinWeaponsPerClass = 50, kMinUpgradeDepth = 5, kMinCrossClass = 5;
constexpr int kMinAttack = 50, kMaxAttack = 1200;
constexpr int kAttackHighlight = 500; // the weapon page highlights from here; both sides need a good share
constexpr int kMinHighlightPercent = 25, kMaxHighlightPercent = 75;
constexpr int kMinSharedMaterials = 20, kMinSharedPercent = 25;

struct Recipe {
    int number;
    QString item, material1, material2;
    int rate;
    QString description, kind;
    int quantity;
};

struct Piece {
    QString slot, name;
    int rare, def, sale, production;
    QStringList materials;
    QHash<QString, QString> flags{};
    std::vector<int> resist{};
    std::vector<std::pair<QString, int>> skills{};
};

struct Weapon {
    QString type, name, parent;
    int attack;
    QStringList effects, materials;
};

QString readUtf8(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return QString::fromUtf8(file.readAll());
}

std::vector<QDomElement> children(const QDomNode& parent, const QString& tag) {
    std::vector<QDomElement> list;
    for (QDomElement e = parent.firstChildElement(tag); !e.isNull(); e = e.nextSiblingElement(tag)) {
        list.push_back(e);
    }
    return list;
}

QStringList texts(const QDomElement& parent, const QString& tag) {
    QStringList list;
    for (const QDomElement& e : children(parent, tag)) {
        list << e.text();
    }
    return list;
}

int intOf(const QDomElement& parent, const QString& tag) {
    return parent.firstChildElement(tag).text().toInt();
}

class GeneratedDataSet : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        const QString dir = QString::fromStdString(GetParam());
        prepare = readUtf8(dir + "/prepare.txt");
        guard = readUtf8(dir + "/guard.xml");
        weapon = readUtf8(dir + "/weapon.xml");
        QDomDocument guardDoc, weaponDoc;
        ASSERT_TRUE(static_cast<bool>(guardDoc.setContent(guard)));
        ASSERT_TRUE(static_cast<bool>(weaponDoc.setContent(weapon)));
        for (const QString& line : prepare.split('\n', Qt::SkipEmptyParts)) {
            const QStringList f = line.split(',');
            ASSERT_EQ(f.size(), kRecipeFields) << line.toStdString();
            recipes.push_back({f[0].toInt(), f[1], f[2], f[3], f[4].toInt(), f[5], f[6], f[7].toInt()});
        }
        const QDomElement root = guardDoc.documentElement();
        for (const QDomElement& row : children(root.firstChildElement("skilllist"), "row")) {
            skillRows.push_back(row);
        }
        for (const QString& slot : kSlots) {
            for (const QDomElement& p :
                 children(root.firstChildElement("armorlist").firstChildElement(slot), "piece")) {
                pieces.push_back(piece(slot, p));
            }
        }
        for (const QDomElement& w : children(weaponDoc.documentElement().firstChildElement("weaponlist"), "weapon")) {
            QStringList materials = texts(w.firstChildElement("creatematerials"), "material");
            materials << texts(w.firstChildElement("materials"), "material");
            weapons.push_back({w.firstChildElement("type").text(), w.firstChildElement("name").text(),
                               w.firstChildElement("parentweapon").text(), intOf(w, "attack"),
                               texts(w.firstChildElement("additionaleffect"), "effect"), materials});
        }
    }

    static Piece piece(const QString& slot, const QDomElement& p) {
        Piece result{slot,
                     p.firstChildElement("name").text(),
                     intOf(p, "rare"),
                     intOf(p, "def"),
                     intOf(p, "sale"),
                     intOf(p, "production"),
                     texts(p.firstChildElement("materials"), "material")};
        const QDomNamedNodeMap flags = p.firstChildElement("enableequipment").attributes();
        for (int i = 0; i < flags.count(); ++i) {
            result.flags.insert(flags.item(i).nodeName(), flags.item(i).nodeValue());
        }
        for (const char* element : {"fire", "water", "thunder", "dragon"}) {
            result.resist.push_back(p.firstChildElement("attr").attribute(element).toInt());
        }
        for (const QDomElement& e : children(p.firstChildElement("skill"), "entry")) {
            result.skills.push_back({e.text(), e.attribute("val").toInt()});
        }
        return result;
    }

    QSet<QString> recipeNames() const {
        QSet<QString> names;
        for (const Recipe& r : recipes) {
            names << r.item << r.material1 << r.material2;
        }
        return names;
    }

    QString prepare, guard, weapon;
    std::vector<Recipe> recipes;
    std::vector<QDomElement> skillRows;
    std::vector<Piece> pieces;
    std::vector<Weapon> weapons;
};

// Longest chain of recipes below `item` (0 for a raw material); sets `loop` when an item needs itself.
int derivationDepth(const QString& item, const QMultiHash<QString, const Recipe*>& makers, QHash<QString, int>& memo,
                    QSet<QString>& visiting, bool& loop) {
    if (visiting.contains(item)) {
        loop = true;
        return 0;
    }
    if (memo.contains(item)) {
        return memo[item];
    }
    visiting.insert(item);
    int depth = 0;
    for (const Recipe* r : makers.values(item)) {
        for (const QString& m : {r->material1, r->material2}) {
            depth = std::max(depth, 1 + derivationDepth(m, makers, memo, visiting, loop));
        }
    }
    visiting.remove(item);
    memo[item] = depth;
    return depth;
}

TEST_P(GeneratedDataSet, FilesHaveDeclaredEncodingsPlainFieldsAndOnlyCp932Text) {
    EXPECT_TRUE(guard.startsWith(R"(<?xml version="1.0" encoding="Shift_JIS"?>)"));
    EXPECT_TRUE(weapon.startsWith(R"(<?xml version="1.0" encoding="UTF-8"?>)"));
    EXPECT_TRUE(prepare.endsWith('\n'));
    EXPECT_FALSE(prepare.startsWith('\n') || prepare.contains("\n\n") || prepare.contains('\r') ||
                 prepare.contains('"') || prepare.contains(' ') || prepare.contains('\t'));
    for (const QString& text : {prepare, guard, weapon}) {
        for (const QString& line : text.split('\n')) {
            QStringEncoder cp932("windows-31j");
            ASSERT_TRUE(cp932.isValid());
            cp932.encode(line);
            EXPECT_FALSE(cp932.hasError()) << line.toStdString();
        }
    }
}

TEST_P(GeneratedDataSet, RecipeBookIsRealistic) {
    ASSERT_GE(int(recipes.size()), kMinRecipes);
    QHash<QString, int> kinds, uses, makers;
    int usualRates = 0, smallYields = 0, previous = 0;
    for (const Recipe& r : recipes) {
        EXPECT_GT(r.number, previous);
        previous = r.number;
        EXPECT_TRUE(r.rate >= kMinRate && r.rate <= kMaxRate && r.quantity >= 1 && r.quantity <= kMaxQuantity)
            << r.number;
        EXPECT_TRUE(r.description.endsWith("。") && !r.item.isEmpty()) << r.number;
        EXPECT_TRUE(r.item != r.material1 && r.item != r.material2 && r.material1 != r.material2) << r.number;
        usualRates += r.rate >= kUsualRateLow && r.rate <= kUsualRateHigh;
        smallYields += r.quantity <= kUsualQuantity;
        ++kinds[r.kind];
        ++uses[r.material1];
        ++uses[r.material2];
        ++makers[r.item];
    }
    EXPECT_EQ(kinds.size(), 2);
    const int total = int(recipes.size());
    const int alchemy = kinds["錬金"] * 100 / total;
    EXPECT_TRUE(alchemy >= kMinAlchemyPercent && alchemy <= kMaxAlchemyPercent) << alchemy;
    EXPECT_GE(usualRates * 100, total * kUsualPercent);
    EXPECT_GE(smallYields * 100, total * kUsualPercent);
    EXPECT_GE(std::count_if(uses.begin(), uses.end(), [](int n) { return n >= kManyUses; }), kSeveral);
    EXPECT_GE(std::count_if(makers.begin(), makers.end(), [](int n) { return n >= 2; }), kSeveral);
    EXPECT_EQ(std::count_if(makers.begin(), makers.end(), [](int n) { return n > kMaxRecipesPerItem; }), 0);
}

TEST_P(GeneratedDataSet, RecipeDerivationsAreDeepAndNeverCircular) {
    QMultiHash<QString, const Recipe*> makers;
    for (const Recipe& r : recipes) {
        makers.insert(r.item, &r);
    }
    QHash<QString, int> memo;
    QSet<QString> visiting;
    bool loop = false;
    int deepest = 0;
    for (const Recipe& r : recipes) {
        deepest = std::max(deepest, derivationDepth(r.item, makers, memo, visiting, loop));
    }
    EXPECT_FALSE(loop);
    EXPECT_GE(deepest, kMinDerivationDepth);
}

TEST_P(GeneratedDataSet, SkillListHasTiersOpenEndsOverlapsAndTorsoUp) {
    QHash<QString, std::vector<std::pair<int, int>>> ranges;
    bool low = false, high = false;
    for (const QDomElement& row : skillRows) {
        const int min = intOf(row, "range_min"), max = intOf(row, "range_max");
        EXPECT_TRUE(min <= max && min >= -kOpenEnd && max <= kOpenEnd) << row.text().toStdString();
        EXPECT_TRUE(row.firstChildElement("effect").text().endsWith("。"));
        low |= min == -kOpenEnd;
        high |= max == kOpenEnd;
        ranges[row.firstChildElement("skill").text()].push_back({min, max});
    }
    EXPECT_GE(ranges.size(), kMinSkillSystems);
    EXPECT_GE(int(skillRows.size()), kMinSkillRows);
    EXPECT_TRUE(low && high);
    const auto overlapping = std::count_if(ranges.begin(), ranges.end(), [](const auto& rows) {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            for (std::size_t j = i + 1; j < rows.size(); ++j) {
                if (std::max(rows[i].first, rows[j].first) <= std::min(rows[i].second, rows[j].second)) {
                    return true;
                }
            }
        }
        return false;
    });
    EXPECT_GE(overlapping, kMinOverlappingSystems);
    EXPECT_TRUE(std::any_of(skillRows.begin(), skillRows.end(), [](const QDomElement& row) {
        return row.firstChildElement("skill").text() == kTorsoUp && row.firstChildElement("name").text() == kTorsoUp;
    }));
    for (const Piece& p : pieces) {
        for (const auto& [system, value] : p.skills) {
            EXPECT_TRUE(ranges.contains(system)) << system.toStdString();
        }
    }
}

TEST_P(GeneratedDataSet, ArmourCoversSlotsRaritiesWearersAndTorsoUp) {
    QHash<QString, int> perSlot, torsoUp;
    QHash<QString, QSet<QString>> slotsOfName;
    std::vector<std::vector<const Piece*>> byRare(kMaxRare + 1);
    int maleOnly = 0, femaleOnly = 0, swordOnly = 0, gunOnly = 0, penalties = 0, weak = 0;
    for (const Piece& p : pieces) {
        ++perSlot[p.slot];
        slotsOfName[p.name] << p.slot;
        ASSERT_TRUE(p.rare >= 1 && p.rare <= kMaxRare) << p.name.toStdString();
        byRare[p.rare].push_back(&p);
        EXPECT_GE(p.def, 1);
        for (const QString& flag : p.flags) {
            EXPECT_TRUE(flag == "Y" || flag.isEmpty());
        }
        const auto yes = [&](const char* key) { return p.flags.value(key) == "Y"; };
        maleOnly += yes("m") && !yes("f");
        femaleOnly += yes("f") && !yes("m");
        swordOnly += yes("s") && !yes("g");
        gunOnly += yes("g") && !yes("s");
        for (int r : p.resist) {
            EXPECT_TRUE(r >= -kMaxResist && r <= kMaxResist);
            weak += r < 0;
        }
        EXPECT_TRUE(!p.skills.empty() && int(p.skills.size()) <= kMaxEntries && !p.materials.empty() &&
                    p.materials.size() <= kMaxEntries)
            << p.name.toStdString();
        for (const auto& [system, value] : p.skills) {
            penalties += value < 0;
            torsoUp[p.slot] += system == kTorsoUp && value == 1;
        }
    }
    for (const QString& slot : kSlots) {
        EXPECT_GE(perSlot[slot], kMinPiecesPerSlot) << slot.toStdString();
        EXPECT_GE(torsoUp[slot], slot == "body" ? 0 : kMinTorsoUpPerSlot) << slot.toStdString();
    }
    EXPECT_EQ(torsoUp["body"], 0);
    EXPECT_TRUE(maleOnly >= kMinOneSexPieces && femaleOnly >= kMinOneSexPieces && swordOnly > 0 && gunOnly > 0 &&
                penalties > 0 && weak > 0);
    EXPECT_GE(std::count_if(slotsOfName.begin(), slotsOfName.end(), [](const auto& s) { return s.size() == 2; }),
              kSeveral);
    const auto mean = [&](int rare, int Piece::*field) {
        double sum = 0;
        for (const Piece* p : byRare[rare]) {
            sum += p->*field;
        }
        return sum / byRare[rare].size();
    };
    for (int rare = 2; rare <= kMaxRare; ++rare) {
        ASSERT_FALSE(byRare[rare].empty() || byRare[rare - 1].empty());
        for (int Piece::*field : {&Piece::def, &Piece::sale, &Piece::production}) {
            EXPECT_GT(mean(rare, field), mean(rare - 1, field)) << "rarity " << rare;
        }
    }
}

TEST_P(GeneratedDataSet, WeaponTreesAreDeepBranchingCrossClassAndAcyclic) {
    ASSERT_GE(int(weapons.size()), kMinWeapons);
    QHash<QString, const Weapon*> byName;
    QHash<QString, int> perClass, childCount;
    for (const Weapon& w : weapons) {
        EXPECT_FALSE(byName.contains(w.name)) << w.name.toStdString();
        byName.insert(w.name, &w);
        ++perClass[w.type];
        EXPECT_TRUE(w.attack >= kMinAttack && w.attack <= kMaxAttack);
    }
    EXPECT_EQ(QSet<QString>(perClass.keyBegin(), perClass.keyEnd()), QSet<QString>(kClasses.begin(), kClasses.end()));
    for (const QString& cls : kClasses) {
        EXPECT_GE(perClass[cls], kMinWeaponsPerClass) << cls.toStdString();
    }
    int deepest = 0, crossClass = 0, high = 0;
    for (const Weapon& w : weapons) {
        high += w.attack >= kAttackHighlight;
        int depth = 0;
        for (const Weapon* p = &w; !p->parent.isEmpty() && depth <= int(weapons.size()); ++depth) {
            ASSERT_TRUE(byName.contains(p->parent)) << p->parent.toStdString();
            p = byName[p->parent];
        }
        ASSERT_LE(depth, int(weapons.size())) << "upgrade loop at " << w.name.toStdString();
        deepest = std::max(deepest, depth);
        if (!w.parent.isEmpty()) {
            const Weapon& parent = *byName[w.parent];
            ++childCount[w.parent];
            crossClass += parent.type != w.type;
            EXPECT_TRUE(parent.type != w.type || w.attack >= parent.attack) << w.name.toStdString();
        }
    }
    EXPECT_GE(deepest, kMinUpgradeDepth);
    EXPECT_GE(crossClass, kMinCrossClass);
    EXPECT_TRUE(std::any_of(childCount.begin(), childCount.end(), [](int n) { return n >= 2; }));
    const int highPercent = high * 100 / int(weapons.size());
    EXPECT_TRUE(highPercent >= kMinHighlightPercent && highPercent <= kMaxHighlightPercent) << highPercent;
    const auto crossLine = [&](const QString& name, const QString& type, const QString& parentType) {
        EXPECT_EQ(std::count_if(weapons.begin(), weapons.end(), [&](const Weapon& w) { return w.name == name; }), 1);
        const Weapon* w = byName.value(name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->type, type);
        EXPECT_EQ(byName.value(w->parent)->type, parentType);
    };
    crossLine("独龍剣【蒼鬼】", "双剣", "片手剣");
    crossLine("ブロスホーン", "ハンマー", "ランス");
}

TEST_P(GeneratedDataSet, WeaponEffectsCoverEveryElementAloneAndWithDefense) {
    QSet<QStringList> combos;
    for (const Weapon& w : weapons) {
        QStringList effects = w.effects;
        effects.sort();
        combos << effects;
        for (const QString& e : effects) {
            EXPECT_TRUE(kElements.contains(e) || e == kDefense) << e.toStdString();
        }
    }
    EXPECT_TRUE(combos.contains(QStringList{}));
    EXPECT_TRUE(combos.contains(QStringList{kDefense}));
    for (const QString& element : kElements) {
        QStringList withDefense{element, kDefense};
        withDefense.sort();
        EXPECT_TRUE(combos.contains(QStringList{element})) << element.toStdString();
        EXPECT_TRUE(combos.contains(withDefense)) << element.toStdString();
    }
}

TEST_P(GeneratedDataSet, ArmourAndWeaponMaterialsComeFromTheRecipeWorld) {
    const QSet<QString> known = recipeNames();
    const auto shared = [&](const QSet<QString>& materials) {
        const auto hits =
            std::count_if(materials.begin(), materials.end(), [&](const QString& m) { return known.contains(m); });
        EXPECT_GE(hits, kMinSharedMaterials);
        EXPECT_GE(hits * 100, materials.size() * kMinSharedPercent);
    };
    QSet<QString> armour, arms;
    for (const Piece& p : pieces) {
        armour.unite(QSet<QString>(p.materials.begin(), p.materials.end()));
    }
    for (const Weapon& w : weapons) {
        arms.unite(QSet<QString>(w.materials.begin(), w.materials.end()));
    }
    shared(armour);
    shared(arms);
}

std::vector<std::string> dataDirs() {
    std::vector<std::string> dirs = {TRELKIN_DEMO_DIR};
    if (const char* extra = std::getenv("TRELKIN_DATAGEN_DIR"); extra != nullptr && *extra != '\0') {
        dirs.push_back(extra);
    }
    return dirs;
}

INSTANTIATE_TEST_SUITE_P(DataDirs, GeneratedDataSet, ::testing::ValuesIn(dataDirs()));

} // namespace
