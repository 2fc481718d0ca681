#include "cli/weapon_commands.h"

#include "cli/cli_output.h"
#include "cli/option_parser.h"
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

} // namespace

int weaponTreeCommand(CommandContext& context) {
    const std::string weaponClass = cp932Argument(parseArguments(context.arguments, {}, 1).positionals[0]);
    return withWeapons(context, [&](const weapon::TWeaponDatas& weapons) {
        printTree(context.out, weapons, BuildWeaponTree(WeaponRelations(weapons), weaponClass));
    });
}

int weaponCommand(CommandContext& context) {
    const std::string argument = parseArguments(context.arguments, {}, 1).positionals[0];
    const std::optional<std::int32_t> index = readInteger(argument);
    if (!index || *index < 0)
        throw UsageError{"no weapon index '" + argument + "'"};
    return withWeapons(context, [&](const weapon::TWeaponDatas& weapons) {
        if (size_t(*index) >= weapons.size())
            throw UsageError{"the table holds " + std::to_string(weapons.size()) + " weapons"};
        printDetails(context.out, ShowWeaponDetails(weapons, *index));
    });
}

std::string describeWeaponFile(const QString& path) {
    weapon::TWeaponDatas weapons;
    weapon::LoadWeaponData(path, weapons);
    return std::to_string(weapons.size()) + " weapons";
}

} // namespace trelkin::cli
