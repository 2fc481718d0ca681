#include "cli/cli_app.h"

#include "cli/armour_commands.h"
#include "cli/combination_commands.h"
#include "cli/data_commands.h"

#include <functional>
#include <map>
#include <ostream>

namespace trelkin::cli {
namespace {

using Command = std::function<int(CommandContext&)>;

const std::map<std::string, Command>& commands() {
    static const std::map<std::string, Command> table{
        {"pack", packCommand},           {"unpack", unpackCommand},
        {"check", checkCommand},         {"skills", skillsCommand},
        {"armour", armourCommand},       {"evaluate", evaluateCommand},
        {"materials", materialsCommand}, {"pairs", pairsCommand},
        {"details", detailsCommand},     {"recipe-tree", recipeTreeCommand},
    };
    return table;
}

constexpr const char* kUsage = R"(usage: trelkin-cli [--data-dir DIR] COMMAND [ARGS]

Data files (DIR defaults to the directory of the executable):
  pack [--cp932] PLAIN OUT   scramble a plain text file into a data file
                             (--cp932: convert the UTF-8 text to Shift-JIS first)
  unpack [--utf8] FILE       write the plain text of a data file to standard output
                             (--utf8: convert the Shift-JIS text to UTF-8)
  check                      load every data file in DIR and report what it holds

Recipes (names are given and printed as UTF-8; colours as words):
  materials                  every material of the finder's first list, then the count
  pairs MATERIAL             the partners of a material, the count, and how the material is made
  details --item NAME | --no N | --pair A B
                             every field of the recipe detail box and its derivation tree
  recipe-tree                the whole sorted recipe tree, fully open, two spaces per level

Armour (names are given and printed as UTF-8; columns are separated by tabs):
  skills                     every row of the skill list
  armour [--skill S] [--material M] [--slot 全て|頭|胴|腕|腰|脚] [--click COLUMN]...
                             the armour search list after the given header clicks, then the count
  evaluate [--head NAME] [--body NAME] [--arm NAME] [--waist NAME] [--leg NAME]
                             the set's totals, skill and material grids (cells as colour:text)
                             and activated skills
)";

int usage(std::ostream& err, const std::string& problem) {
    if (!problem.empty())
        err << "trelkin-cli: " << problem << '\n';
    err << kUsage;
    return kExitUsage;
}

} // namespace

int runCli(const std::vector<std::string>& arguments, const QString& defaultDataDirectory, std::ostream& out,
           std::ostream& err) {
    CommandContext context{arguments, defaultDataDirectory, out, err};
    std::vector<std::string>& args = context.arguments;
    if (!args.empty() && args.front() == "--data-dir") {
        if (args.size() < 2)
            return usage(err, "--data-dir needs a directory");
        context.dataDirectory = QString::fromStdString(args[1]);
        args.erase(args.begin(), args.begin() + 2);
    }
    if (args.empty())
        return usage(err, "");
    const auto command = commands().find(args.front());
    if (command == commands().end())
        return usage(err, "unknown command '" + args.front() + "'");
    args.erase(args.begin());
    try {
        return command->second(context);
    } catch (const UsageError& error) {
        return usage(err, error.message);
    }
}

} // namespace trelkin::cli
