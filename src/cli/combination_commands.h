#pragma once

#include "cli/cli_app.h"

namespace trelkin::cli {

// materials: list 1 of the material-pair finder, each name with its colour, then the count.
int materialsCommand(CommandContext& context);

// pairs MATERIAL: list 2 for the material with its count, then how the material itself is made.
int pairsCommand(CommandContext& context);

// details --item NAME | --no N | --pair A B: every field of the recipe detail box and its derivation tree.
int detailsCommand(CommandContext& context);

// recipe-tree: the whole sorted recipe tree, opened as far as the page's "すべて開く" opens it.
int recipeTreeCommand(CommandContext& context);

} // namespace trelkin::cli
