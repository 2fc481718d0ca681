#include "core/weapon/weapon_tree.h"

#include "core/text/cp932.h"
#include "core/text/error.h"

#include <algorithm>
#include <unordered_set>

namespace trelkin {
namespace {

bool isNeverAtTopLevel(const std::string& name) {
    const auto& names = weaponsNeverAtTopLevel();
    return std::find(names.begin(), names.end(), name) != names.end();
}

bool startsALine(const WeaponRelations& relations, const weapon::TWeaponData& weapon) {
    return weapon.ParentWeapon.empty() || !relations.HasParentWeapon(weapon);
}

} // namespace

WeaponTree::NodeId WeaponTree::appendNode(int weapon, std::vector<NodeId>& siblings) {
    const NodeId id = NodeId(m_nodes.size());
    siblings.push_back(id);
    m_nodes.push_back(Node{weapon, {}});
    return id;
}

WeaponTree::NodeId WeaponTree::appendTopLevel(int weapon) {
    return appendNode(weapon, m_topLevel);
}

WeaponTree::NodeId WeaponTree::appendChild(NodeId parent, int weapon) {
    // The sibling list is pushed to before the node table grows, which may move it.
    return appendNode(weapon, m_nodes[size_t(parent)].children);
}

const std::vector<std::string>& weaponsNeverAtTopLevel() {
    static const std::vector<std::string> names{toCp932(QStringLiteral("独龍剣【蒼鬼】")),
                                                toCp932(QStringLiteral("ブロスホーン"))};
    return names;
}

WeaponTree BuildWeaponTree(const WeaponRelations& relations, const std::string& weaponClass) {
    WeaponTree tree;
    const weapon::TWeaponDatas& weapons = relations.weapons();
    for (size_t i = 0; i < weapons.size(); ++i) {
        const weapon::TWeaponData& weapon = weapons[i];
        if (weapon.Type != weaponClass || isNeverAtTopLevel(weapon.Name) || !startsALine(relations, weapon))
            continue;
        AddChildWeapons(relations, tree, tree.appendTopLevel(int(i)));
    }
    return tree;
}

void AddChildWeapons(const WeaponRelations& relations, WeaponTree& tree, WeaponTree::NodeId node) {
    const weapon::TWeaponDatas& weapons = relations.weapons();
    const auto nameOf = [&](WeaponTree::NodeId id) -> const std::string& {
        return weapons[size_t(tree.node(id).weapon)].Name;
    };
    // The open path from the node down, each entry with the next of its upgrades to add.
    struct Opening {
        WeaponTree::NodeId node;
        std::size_t next;
    };
    std::vector<Opening> path{{node, 0}};
    std::unordered_set<std::string_view> namesOnPath{nameOf(node)};
    while (!path.empty()) {
        Opening& opening = path.back();
        const std::vector<int>& upgrades = relations.upgradesOf(nameOf(opening.node));
        if (opening.next == upgrades.size()) {
            namesOnPath.erase(nameOf(opening.node));
            path.pop_back();
            continue;
        }
        if (tree.size() >= kMaxWeaponTreeNodes)
            throw Error(QStringLiteral("武器の派生ツリーが大きすぎます (上限 %1 項目)").arg(kMaxWeaponTreeNodes));
        const int upgrade = upgrades[opening.next++];
        const WeaponTree::NodeId child = tree.appendChild(opening.node, upgrade);
        if (namesOnPath.insert(weapons[size_t(upgrade)].Name).second)
            path.push_back({child, 0});
    }
}

std::array<WeaponTree, kWeaponClassCount> BuildWeaponTrees(const WeaponRelations& relations) {
    std::array<WeaponTree, kWeaponClassCount> trees;
    for (std::size_t i = 0; i < kWeaponClassCount; ++i)
        trees[i] = BuildWeaponTree(relations, weaponClasses()[i]);
    return trees;
}

} // namespace trelkin
