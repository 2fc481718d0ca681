#include "cli/combination_commands.h"

#include "cli/cli_output.h"
#include "core/combination/material_pairs.h"
#include "core/combination/prepare_details.h"
#include "core/combination/recipe_colour.h"
#include "core/combination/recipe_tree.h"
#include "core/combination/recipe_tree_opening.h"
#include "core/data/common_prepare.h"
#include "core/data/data_file_path.h"
#include "core/text/integer_reader.h"

#include <ostream>

namespace trelkin::cli {
namespace {

constexpr const char* kIndent = "  ";

// Loads the recipe file of the data directory and runs the printer over it.
template <typename Print> int withRecipes(CommandContext& context, Print print) {
    return withDataFile<TPrepareDatas>(context, kPrepareFileName, LoadPrepareData, print);
}

void printColouredNames(std::ostream& out, const TPrepareDatas& recipes, const std::vector<std::string>& names) {
    const RecipesByItem byItem(recipes);
    for (const std::string& name : names)
        out << utf8(name) << '\t' << colourName(RecipeColour(recipes, byItem, name)) << '\n';
}

// Prints the tree as far as a view opens it fully, with the view's note when it stops short.
void printTree(std::ostream& out, const PrepareTree& tree) {
    const RecipeTreeOpening opening = openRecipeTree(tree);
    for (const ShownRow& row : shownRows(tree, opening)) {
        const PrepareTree::Node& node = tree.node(row.id);
        for (int level = 0; level < row.depth; ++level)
            out << kIndent;
        out << utf8(node.text) << '\t' << colourName(recipeKindColour(tree.recipes(), node.recipe)) << '\n';
    }
    if (!opening.complete)
        out << kTreeOpenedInPart << ": " << openedInPartReason().toStdString() << '\n';
}

void printDetails(std::ostream& out, const TPrepareDatas& recipes, const PrepareDetails& details,
                  std::int32_t shownNumber) {
    out << "No：\t" << details.number.value_or(shownNumber) << '\n';
    printField(out, "種類：", details.kindLabel);
    printField(out, "調合アイテム：", details.item);
    printField(out, "成功確率：", details.rate);
    printField(out, "調合結果：", details.quantity);
    printField(out, "アイテム解説：", details.description);
    printField(out, "材料：", details.materials);
    out << "派生図：\n";
    printTree(out, *buildDerivationTree(recipes, details.recipes));
}

PrepareDetailsKey detailsKey(const ParsedArguments& parsed) {
    const auto& [option, values] = parsed.options.front();
    if (option == "--item")
        return PrepareDetailsKey::byItem(cp932Argument(values[0]));
    if (option == "--pair")
        return PrepareDetailsKey::byPair(cp932Argument(values[0]), cp932Argument(values[1]));
    if (const auto number = readInteger(values[0]))
        return PrepareDetailsKey::byNumber(*number);
    throw UsageError{"--no needs a number"};
}

int materials(CommandContext& context, const ParsedArguments&) {
    return withRecipes(context, [&](const TPrepareDatas& recipes) {
        const std::vector<std::string> materials = FillMaterialList(recipes);
        printColouredNames(context.out, recipes, materials);
        context.out << countLabel(materials.size()) << '\n';
    });
}

int pairs(CommandContext& context, const ParsedArguments& parsed) {
    const std::string material = cp932Argument(parsed.positionals[0]);
    return withRecipes(context, [&](const TPrepareDatas& recipes) {
        const MaterialPartners partners = partnersOf(recipes, material);
        printColouredNames(context.out, recipes, partners.partners);
        context.out << partners.countLabel << '\n'
                    << utf8(partners.kindLabel) << '\n'
                    << utf8(partners.recipeLine) << '\n';
    });
}

int details(CommandContext& context, const ParsedArguments& parsed) {
    const PrepareDetailsKey key = detailsKey(parsed);
    // A number comes from the number field itself, which then keeps it when no recipe has it.
    const bool typedNumber = parsed.options.front().first == "--no";
    return withRecipes(context, [&](const TPrepareDatas& recipes) {
        printDetails(context.out, recipes, ShowPrepareDetails(recipes, key, typedNumber), key.number);
    });
}

int recipeTree(CommandContext& context, const ParsedArguments&) {
    return withRecipes(context,
                       [&](const TPrepareDatas& recipes) { printTree(context.out, *BuildRecipeTree(recipes)); });
}

} // namespace

CommandGroup combinationCommands() {
    return {"Recipes (names are given and printed as UTF-8; colours as words)",
            {
                {"materials", {}, {}, false, "every material of the finder's first list, then the count\n", materials},
                {"pairs",
                 {"MATERIAL"},
                 {},
                 false,
                 "the partners of a material, the count, and how the material is made\n",
                 pairs},
                {"details",
                 {},
                 {{"--item", {{"NAME"}}}, {"--no", {{"N"}}}, {"--pair", {{"A"}, {"B"}}}},
                 true,
                 "every field of the recipe detail box and its derivation tree\n",
                 details},
                {"recipe-tree",
                 {},
                 {},
                 false,
                 "the whole sorted recipe tree, two spaces per level, opened as\n"
                 "\"すべて開く\" opens it (a note ends a tree too large to open completely)\n",
                 recipeTree},
            }};
}

} // namespace trelkin::cli
