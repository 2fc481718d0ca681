#pragma once

#include "core/data/common_weapon.h"
#include "core/util/tree_walk.h"
#include "core/weapon/weapon_class.h"
#include "core/weapon/weapon_relations.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace trelkin {

// The upgrade tree of one weapon class: the weapons that start a line at the top level, under each weapon the
// weapons upgraded from it, to any depth. Nodes refer to weapons by their index in the table.
class WeaponTree {
public:
    using NodeId = int;

    struct Node {
        int weapon = 0;
        std::vector<NodeId> children;
    };

    NodeId appendTopLevel(int weapon);
    NodeId appendChild(NodeId parent, int weapon);

    const std::vector<NodeId>& topLevel() const { return m_topLevel; }
    const Node& node(NodeId id) const { return m_nodes[size_t(id)]; }
    std::size_t size() const { return m_nodes.size(); }

    // Calls visit(id, depth) for every node, parents before their children, in tree order.
    template <typename Visit> void visitDepthFirst(Visit visit) const {
        trelkin::visitDepthFirst(
            m_topLevel, [this](NodeId id) -> const std::vector<NodeId>& { return node(id).children; }, visit);
    }

private:
    NodeId appendNode(int weapon, std::vector<NodeId>& siblings);

    std::vector<Node> m_nodes;
    std::vector<NodeId> m_topLevel;
};

// Names may repeat, so the tree of a small table can grow exponentially; a tree with more nodes than this is
// refused. A chain of every weapon of a large table stays well below it.
inline constexpr std::size_t kMaxWeaponTreeNodes = 250000;

// The two weapons that are only ever shown under their parent, never at the top level (code page 932).
const std::vector<std::string>& weaponsNeverAtTopLevel();

// The tree of one class (Type compared byte for byte): in table order, every weapon of the class whose
// ParentWeapon is empty or names no weapon of its own class, except the two of weaponsNeverAtTopLevel, with its
// upgrades below it. Throws Error "武器の派生ツリーが大きすぎます (上限 <n> 項目)" when the tree would hold more
// than kMaxWeaponTreeNodes nodes.
WeaponTree BuildWeaponTree(const WeaponRelations& relations, const std::string& weaponClass);

// The trees of the five classes, in class order, as start-up builds them. Throws the same Error as
// BuildWeaponTree.
std::array<WeaponTree, kWeaponClassCount> BuildWeaponTrees(const WeaponRelations& relations);

// Adds below the node, depth first and in table order, every weapon of any class whose ParentWeapon is the
// node's weapon's name. A name already on the path down from the node (a top-level node) is added but not
// opened out again, so circular upgrade data ends there instead of running forever. Throws the same Error as
// BuildWeaponTree when the tree grows past kMaxWeaponTreeNodes.
void AddChildWeapons(const WeaponRelations& relations, WeaponTree& tree, WeaponTree::NodeId node);

} // namespace trelkin
