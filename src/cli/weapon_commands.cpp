#include "cli/weapon_commands.h"

#include "cli/cli_output.h"
#include "core/data/common_weapon.h"
#include "core/data/data_file_path.h"
#include "core/text/integer_reader.h"
#include "core/weapon/weapon_attribute.h"
#include "core/weapon/weapon_class.h"
#include "core/weapon/weapon_details.h"
#include "core/weapon/weapon_tree.h"

#include <ostream>

namespace trelkin::cli {
namespace {

constexpr const char* kIndent = "  ";

// Loads the weapon file of the data directory and runs the printer over it.
template <typename Print> int withWeapons(CommandContext& context, Print print) {
    return withDataFile<weapon::TWeaponDatas>(context, kWeaponFileName, weapon::LoadWeaponData, print);
}

void printTree(std::ostream& out, const weapon::TWeaponDatas& weapons, const WeaponTree& tree) {
    tree.visitDepthFirst([&](WeaponTree::NodeId id, int depth) {
        const weapon::TWeaponData& weapon = weapons[size_t(tree.node(id).weapon)];
        for (int level = 0; level < depth; ++level)
            out << kIndent;
        out << utf8(weapon.Name) << '\t' << WeaponTypeIndex(weapon.Type) << '\t' << WeaponAttributeIndex(weapon)
            << '\n';
    });
}

// A list field: its caption, then one indented line per entry.
void printList(std::ostream& out, const char* caption, const std::vector<std::string>& lines) {
    out << caption << '\n';
    for (const std::string& line : lines)
        out << kIndent << utf8(line) << '\n';
}

void printDetails(std::ostream& out, const WeaponDetails& details) {
    printField(out, "名称：", details.name);
    printField(out, "タイプ：", details.type);
    printField(out, "攻撃力：", details.attack);
    printList(out, "追加属性：", details.effects);
    printField(out, "生産価格：", details.sale);
    printList(out, "生産素材：", details.createMaterials);
    printField(out, "強化元の武器：", details.parent);
    printField(out, "強化価格：", details.production);
    printList(out, "強化素材：", details.materials);
}

int weaponTree(CommandContext& context, const ParsedArguments& parsed) {
    const std::string weaponClass = cp932Argument(parsed.positionals[0]);
    return withWeapons(context, [&](const weapon::TWeaponDatas& weapons) {
        printTree(context.out, weapons, BuildWeaponTree(WeaponRelations(weapons), weaponClass));
    });
}

int weaponDetails(CommandContext& context, const ParsedArguments& parsed) {
    const std::string& argument = parsed.positionals[0];
    const std::optional<std::int32_t> index = readInteger(argument);
    if (!index || *index < 0)
        throw UsageError{"no weapon index '" + argument + "'"};
    return withWeapons(context, [&](const weapon::TWeaponDatas& weapons) {
        if (size_t(*index) >= weapons.size())
            throw UsageError{"the table holds " + std::to_string(weapons.size()) + " weapons"};
        printDetails(context.out, ShowWeaponDetails(weapons, *index));
    });
}

} // namespace

CommandGroup weaponCommands() {
    return {"Weapons (classes and names are given and printed as UTF-8; columns are separated by tabs)",
            {
                {"weapon-tree",
                 {"CLASS"},
                 {},
                 false,
                 "the class's upgrade tree, fully open, two spaces per level; each line\n"
                 "the name, the class icon index and the attribute bar index (-1: none)\n",
                 weaponTree},
                {"weapon",
                 {"INDEX"},
                 {},
                 false,
                 "every field of the weapon detail panel for that table index\n",
                 weaponDetails},
            }};
}

} // namespace trelkin::cli
