#pragma once

#include "cli/cli_app.h"

#include <QString>
#include <string>

namespace trelkin::cli {

// weapon-tree CLASS: the class's upgrade tree, fully open, two spaces per level; each line the name, the class
// icon index and the attribute bar index (-1 for none), separated by tabs.
int weaponTreeCommand(CommandContext& context);

// weapon INDEX: the fields of the weapon detail panel for the weapon at that table index.
int weaponCommand(CommandContext& context);

// What a weapon data file holds, in words, for check.
std::string describeWeaponFile(const QString& path);

} // namespace trelkin::cli
