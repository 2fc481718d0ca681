#include "datagen.h"

#include <algorithm>
#include <stdexcept>
#include <tuple>

namespace datagen {

namespace {

constexpr int kMeanTreeSize = 12;
constexpr int kMinTreesPerClass = 2; // a class keeps a line of its own even when another one is grafted away
constexpr int kSizeShiftDivisor = 3; // neighbouring trees trade up to a third of their size
constexpr int kMinTrunk = 6;         // the main line of every tree has at least five upgrades
constexpr int kMaxTrunk = 8;
constexpr int kMaxChildren = 3;
constexpr int kMaxLocalDepth = 9;
constexpr int kCrossDivisor = 50; // one upgrade line in this many weapons continues in another class
constexpr int kMinCross = 6;
constexpr int kHostMinDepth = 1;
constexpr int kHostMaxDepth = 3;
constexpr int kMinAttack = 50;
constexpr int kMaxAttack = 1200;
constexpr int kAttackNoiseDivisor = 5; // noise stays below half a step, so attack grows along every line
constexpr int kElementFromDepth = 1;
constexpr int kDefenseFromDepth = 2;
constexpr int kElementBase = 100;
constexpr int kElementStep = 50;
constexpr int kMaxElement = 800;
constexpr int kStatusBase = 80;
constexpr int kStatusStep = 30;
constexpr int kMaxStatus = 500;
constexpr int kEffectStep = 10;
constexpr int kDefenseBase = 5;
constexpr int kDefenseStep = 5;
constexpr int kMaxDefense = 40;
constexpr int kForgeBase = 500;
constexpr int kForgePerDepth = 700;
constexpr int kUpgradeBase = 600;
constexpr int kUpgradePerDepth = 500;
constexpr int kPriceStep = 100;
constexpr int kPriceNoiseSteps = 5;
constexpr int kForgeableUpgradePercent = 25; // upgrades that can also be forged from scratch
constexpr int kMaxMaterials = 3;
constexpr int kMaterialNumBase = 2; // the most of one material a weapon wants: this plus half its depth
const std::string kDefenseEffect = "防御力";
const std::string kFirstUpgradeSuffix = "改";

// Two well-known lines that leave their class: a dual-blade line grown from a sword and a hammer grown from a lance.
struct NamedLine {
    std::string base;
    std::string rootSuffix;
    std::string cls;
    std::string hostCls;
};
const std::array<NamedLine, 2> kNamedLines = {
    {{"独龍剣", "【蒼鬼】", "双剣", "片手剣"}, {"ブロスホーン", "", "ハンマー", "ランス"}}};

std::size_t classIndex(const std::string& name) {
    const auto& classes = weaponClasses();
    return static_cast<std::size_t>(
        std::find_if(classes.begin(), classes.end(), [&](const WeaponClass& c) { return c.name == name; }) -
        classes.begin());
}

int roundTo(int value, int step) {
    return (value + step / 2) / step * step;
}

struct Node {
    std::size_t tree;
    int parent; // global index, -1 for a line starter
    int depth;  // upgrades from the very first starter, across classes
    int children = 0;
};

struct Tree {
    std::size_t cls;
    std::size_t first;
    std::size_t size;
    Element element = Element::None;
    bool defense = false;
    bool donor = false; // its starter is upgraded from a weapon of another class
    bool host = false;
    const Monster* monster = nullptr;
    std::string base{};
    std::string rootSuffix{};
};

class Forge {
public:
    Forge(const World& world, Rng& rng) : world_(world), rng_(rng) {
        for (const WeaponStem& stem : weaponStems()) {
            stems_.push_back(stem);
        }
        for (const Monster* monster : world.monsters) {
            stems_.push_back({monster->name, monster->element, false});
        }
    }

    std::vector<Weapon> build(int count) {
        const std::size_t classes = weaponClasses().size();
        for (std::size_t cls = 0; cls < classes; ++cls) {
            const int extra = cls < static_cast<std::size_t>(count) % classes ? 1 : 0;
            plantClass(cls, count / static_cast<int>(classes) + extra);
        }
        assignEffects();
        for (const NamedLine& line : kNamedLines) {
            Tree* donor = graft(classIndex(line.cls), classIndex(line.hostCls));
            if (donor == nullptr) {
                throw std::runtime_error("too few weapons to place " + line.base);
            }
            donor->base = line.base;
            donor->rootSuffix = line.rootSuffix;
        }
        const int cross = std::max(kMinCross, count / kCrossDivisor);
        for (int i = static_cast<int>(kNamedLines.size()); i < cross; ++i) {
            const std::size_t cls = static_cast<std::size_t>(i) % classes;
            graft(cls, (cls + static_cast<std::size_t>(rng_.uniform(1, static_cast<int>(classes) - 1))) % classes);
        }
        for (Tree& tree : trees_) {
            nameTree(tree);
        }
        std::vector<Weapon> weapons;
        for (std::size_t i = 0; i < nodes_.size(); ++i) {
            weapons.push_back(weapon(i));
        }
        return weapons;
    }

private:
    void plantClass(std::size_t cls, int count) {
        const int trees = std::max(kMinTreesPerClass, count / kMeanTreeSize);
        std::vector<int> sizes(static_cast<std::size_t>(trees), count / trees);
        for (int i = 0; i < count % trees; ++i) {
            ++sizes[static_cast<std::size_t>(i)];
        }
        for (std::size_t i = 0; i + 1 < sizes.size(); i += 2) {
            const int shift = rng_.uniform(0, sizes[i + 1] / kSizeShiftDivisor);
            sizes[i] += shift;
            sizes[i + 1] -= shift;
        }
        for (int size : sizes) {
            plantTree(cls, size);
        }
    }

    // A trunk for depth, then every further weapon branches off a random earlier one.
    void plantTree(std::size_t cls, int size) {
        const std::size_t first = nodes_.size();
        trees_.push_back({cls, first, static_cast<std::size_t>(size)});
        const int trunk = std::min(size, rng_.uniform(kMinTrunk, kMaxTrunk));
        for (int i = 0; i < size; ++i) {
            int parent = i == 0 ? -1 : static_cast<int>(nodes_.size()) - 1;
            while (i >= trunk && !canBranch(parent)) {
                parent = static_cast<int>(first + rng_.index(static_cast<std::size_t>(i)));
            }
            const int depth = parent < 0 ? 0 : nodes_[static_cast<std::size_t>(parent)].depth + 1;
            if (parent >= 0) {
                ++nodes_[static_cast<std::size_t>(parent)].children;
            }
            nodes_.push_back({trees_.size() - 1, parent, depth});
        }
    }

    bool canBranch(int index) const {
        const Node& node = nodes_[static_cast<std::size_t>(index)];
        return node.children < kMaxChildren && node.depth < kMaxLocalDepth;
    }

    // Every element with and without a defence bonus, plus plain lines, cycled over the trees.
    void assignEffects() {
        std::vector<std::pair<Element, bool>> combos;
        for (int e = 0; e < kElementCount; ++e) {
            combos.push_back({static_cast<Element>(e), false});
            combos.push_back({static_cast<Element>(e), true});
        }
        rng_.shuffle(combos);
        for (std::size_t t = 0; t < trees_.size(); ++t) {
            std::tie(trees_[t].element, trees_[t].defense) = combos[t % combos.size()];
        }
    }

    // Hangs a whole tree of class `cls` under a weapon of class `hostCls`. Donors never host, so no loop can form.
    Tree* graft(std::size_t cls, std::size_t hostCls) {
        std::vector<Tree*> donors;
        std::vector<Tree*> hosts;
        for (Tree& tree : trees_) {
            const bool firstOfClass =
                &tree == &*std::find_if(trees_.begin(), trees_.end(), [&](const Tree& t) { return t.cls == tree.cls; });
            if (tree.cls == cls && !tree.donor && !tree.host && !firstOfClass) {
                donors.push_back(&tree);
            }
            if (tree.cls == hostCls && !tree.donor) {
                hosts.push_back(&tree);
            }
        }
        if (donors.empty() || hosts.empty()) {
            return nullptr;
        }
        Tree& donor = *rng_.pick(donors);
        Tree& host = *rng_.pick(hosts);
        std::vector<std::size_t> anchors;
        for (std::size_t i = host.first; i < host.first + host.size; ++i) {
            if (nodes_[i].depth >= kHostMinDepth && nodes_[i].depth <= kHostMaxDepth) {
                anchors.push_back(i);
            }
        }
        const std::size_t anchor = rng_.pick(anchors);
        donor.donor = true;
        host.host = true;
        nodes_[donor.first].parent = static_cast<int>(anchor);
        for (std::size_t i = donor.first; i < donor.first + donor.size; ++i) {
            nodes_[i].depth += nodes_[anchor].depth + 1;
        }
        return &donor;
    }

    std::string baseFor(const Tree& tree) {
        const WeaponClass& cls = weaponClasses()[tree.cls];
        std::vector<WeaponStem> stems;
        std::copy_if(stems_.begin(), stems_.end(), std::back_inserter(stems),
                     [&](const WeaponStem& s) { return s.element == tree.element; });
        rng_.shuffle(stems);
        stems.insert(stems.end(), stems_.begin(), stems_.end()); // any element once the fitting ones are used up
        for (const WeaponStem& stem : stems) {
            std::vector<std::string> nouns = stem.katakana ? cls.katakanaNouns : cls.kanjiNouns;
            rng_.shuffle(nouns);
            for (const std::string& noun : nouns) {
                if (bases_.claim(stem.word + noun)) {
                    return stem.word + noun;
                }
            }
        }
        throw std::runtime_error("too many weapons for the weapon name lists");
    }

    void nameTree(Tree& tree) {
        if (tree.base.empty()) {
            tree.base = baseFor(tree);
        }
        const auto named = std::find_if(world_.monsters.begin(), world_.monsters.end(),
                                        [&](const Monster* m) { return tree.base.starts_with(m->name); });
        tree.monster = named != world_.monsters.end() ? *named : &monsterFor(world_, tree.element, rng_);
        std::vector<std::string> titles = epithets();
        rng_.shuffle(titles);
        auto title = titles.begin();
        for (std::size_t i = 0; i < tree.size; ++i) {
            std::string name = tree.base + (i == 0 ? tree.rootSuffix : kFirstUpgradeSuffix);
            while (!names_.claim(name)) {
                if (title == titles.end()) {
                    throw std::runtime_error("too many weapons for the epithet list");
                }
                name = tree.base + "【" + *title++ + "】";
            }
            nodeNames_.push_back(name);
        }
    }

    std::vector<Effect> effects(const Tree& tree, int depth) {
        std::vector<Effect> list;
        if (tree.element != Element::None && depth >= kElementFromDepth) {
            const bool status = isStatusElement(tree.element);
            const int value = status ? std::min(kStatusBase + kStatusStep * depth, kMaxStatus)
                                     : std::min(kElementBase + kElementStep * depth, kMaxElement);
            list.push_back({elementEffectName(tree.element),
                            roundTo(value + rng_.uniform(-kEffectStep, kEffectStep), kEffectStep)});
        }
        if (tree.defense && depth >= kDefenseFromDepth) {
            list.push_back({kDefenseEffect, std::min(kDefenseBase + kDefenseStep * (depth / 2), kMaxDefense)});
        }
        return list;
    }

    int price(int base, int perDepth, int depth) {
        return roundTo(base + perDepth * depth + kPriceStep * rng_.uniform(0, kPriceNoiseSteps), kPriceStep);
    }

    Weapon weapon(std::size_t index) {
        const Node& node = nodes_[index];
        const Tree& tree = trees_[node.tree];
        const WeaponClass& cls = weaponClasses()[tree.cls];
        Weapon w{cls.name, nodeNames_[index], 0, effects(tree, node.depth), 0, 0, {}, {}, {}};
        const int noise = cls.attackStep / kAttackNoiseDivisor;
        w.attack = std::clamp(cls.baseAttack + cls.attackStep * node.depth + rng_.uniform(-noise, noise), kMinAttack,
                              kMaxAttack);
        const int maxNum = kMaterialNumBase + node.depth / 2;
        if (node.parent >= 0) {
            w.parent = nodeNames_[static_cast<std::size_t>(node.parent)];
            w.production = price(kUpgradeBase, kUpgradePerDepth, node.depth);
            w.upgradeMaterials =
                pickMaterials(world_, *tree.monster, false, rng_.uniform(1, kMaxMaterials), maxNum, rng_);
        }
        if (node.parent < 0 || rng_.percent(kForgeableUpgradePercent)) {
            w.sale = price(kForgeBase, kForgePerDepth, node.depth);
            w.createMaterials =
                pickMaterials(world_, *tree.monster, true, rng_.uniform(1, kMaxMaterials), maxNum, rng_);
        }
        return w;
    }

    const World& world_;
    Rng& rng_;
    std::vector<WeaponStem> stems_;
    std::vector<Node> nodes_;
    std::vector<Tree> trees_;
    std::vector<std::string> nodeNames_;
    UniqueNames bases_;
    UniqueNames names_;
};

} // namespace

std::vector<Weapon> makeWeapons(const World& world, int count, Rng& rng) {
    return Forge(world, rng).build(count);
}

} // namespace datagen
