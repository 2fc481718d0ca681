#pragma once

#include "data/common_prepare.h"

namespace trelkin::bench {

// The recipe table of the bundled demo data.
const TPrepareDatas& demoRecipes();

// A recipe table of 2,000 recipes made by the data generator when first asked for.
const TPrepareDatas& generatedRecipes();

} // namespace trelkin::bench
