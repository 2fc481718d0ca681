#pragma once

#include "core/data/armour_tables.h"
#include "core/data/common_prepare.h"

namespace trelkin::bench {

// The recipe table of the bundled demo data.
const TPrepareDatas& demoRecipes();

// A recipe table of 2,000 recipes made by the data generator when first asked for.
const TPrepareDatas& generatedRecipes();

// The armour tables of the bundled demo data.
const ArmourTables& demoArmour();

// Armour tables of 300 pieces per slot and 80 skill systems, made by the data generator when first asked for.
const ArmourTables& generatedArmour();

// The directory of the data files of the real game's size (250 pieces a slot, 80 skill systems, 400 recipes,
// 700 weapons) that the build makes for the benchmarks, and their armour tables.
QString gameDataDirectory();
const ArmourTables& gameArmour();

// Armour of that size whose pieces rarely count alike (trelkin-datagen --diverse): each piece its own defence and
// three skills of ten systems, the set search's hardest counting.
const ArmourTables& diverseArmour();

} // namespace trelkin::bench
