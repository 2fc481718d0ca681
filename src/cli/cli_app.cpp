#include "cli/cli_app.h"

#include "cli/armour_commands.h"
#include "cli/combination_commands.h"
#include "cli/data_commands.h"
#include "cli/setsearch_commands.h"
#include "cli/side_commands.h"
#include "cli/weapon_commands.h"

#include <algorithm>
#include <functional>
#include <map>
#include <ostream>

namespace trelkin::cli {
namespace {

using Command = std::function<int(CommandContext&)>;

const std::map<std::string, Command>& commands() {
    static const std::map<std::string, Command> table{
        {"pack", packCommand},
        {"unpack", unpackCommand},
        {"check", checkCommand},
        {"skills", skillsCommand},
        {"armour", armourCommand},
        {"evaluate", evaluateCommand},
        {"materials", materialsCommand},
        {"pairs", pairsCommand},
        {"details", detailsCommand},
        {"recipe-tree", recipeTreeCommand},
        {"set-search", setSearchCommand},
        {"weapon-tree", weaponTreeCommand},
        {"weapon", weaponCommand},
        {"items", itemsCommand},
        {"report", reportCommand},
        {"lint", lintCommand},
    };
    return table;
}

constexpr const char* kUsage = R"(usage: trelkin-cli [--data-dir DIR] COMMAND [ARGS]
       trelkin-cli --help | --version | help | COMMAND --help

Exit status: 0 done, 1 a data file could not be read (or a search ended by a failure), 2 a wrong command line.

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
  recipe-tree                the whole sorted recipe tree, two spaces per level, opened as
                             "すべて開く" opens it (a note ends a tree too large to open completely)

Armour (names are given and printed as UTF-8; columns are separated by tabs):
  skills                     every row of the skill list
  armour [--skill S] [--material M] [--slot 全て|頭|胴|腕|腰|脚] [--click COLUMN]...
                             the armour search list after the given header clicks, then the count
  evaluate [--head NAME] [--body NAME] [--arm NAME] [--waist NAME] [--leg NAME]
                             the set's totals, skill and material grids (cells as colour:text)
                             and activated skills

Set search (every head, body, arm, waist and leg combination; defaults as the page starts):
  set-search [--skill NAME]... [--sex 男|女|any] [--class 剣士|ガンナー|any] [--min-each N|off]
             [--min-total N|off] [--count] [--from K] [--limit N]
                             the result blocks of every matching set (from block K, counted from 0,
                             at most N of them), or only their number

Weapons (classes and names are given and printed as UTF-8; columns are separated by tabs):
  weapon-tree CLASS          the class's upgrade tree, fully open, two spaces per level; each line
                             the name, the class icon index and the attribute bar index (-1: none)
  weapon INDEX               every field of the weapon detail panel for that table index

Items and the armour report (names are given and printed as UTF-8):
  items                      every material and crafted item of the three data files, then the count
  lint [--data-dir DIR]      what the three data files hold that the program accepts but that is almost
                             certainly a mistake, a finding a line ("FILE: record N (NAME): ..."); status 1
                             when there is any
  report [--slot 頭|胴|腕|腰|脚] [--name TEXT] [--def N] [--rare N] [--price N]
         [--fire N] [--water N] [--thunder N] [--dragon N]
         [--no-male] [--no-female] [--no-swordsman] [--no-gunner]
         [--material NAME COUNT]... [--skill NAME POINTS]...   (up to five of each)
                             the report's body, its mailto URL as composed, and the URL as handed
                             to the desktop (percent-encoded UTF-8); no data file is read
)";

// A wrong command line: what is wrong and where to read more, on standard error.
int usageError(std::ostream& err, const std::string& problem) {
    err << "trelkin-cli: " << problem << "\nTry 'trelkin-cli --help' for more information.\n";
    return kExitUsage;
}

int help(std::ostream& out) {
    out << kUsage;
    return kExitOk;
}

bool asksForHelp(const std::string& argument) {
    return argument == "--help" || argument == "-h";
}

} // namespace

int runCli(const std::vector<std::string>& arguments, const QString& defaultDataDirectory, std::ostream& out,
           std::ostream& err) {
    CommandContext context{arguments, defaultDataDirectory, out, err};
    std::vector<std::string>& args = context.arguments;
    if (!args.empty() && args.front() == "--data-dir") {
        if (args.size() < 2)
            return usageError(err, "--data-dir needs a directory");
        context.dataDirectory = QString::fromStdString(args[1]);
        args.erase(args.begin(), args.begin() + 2);
    }
    if (args.empty())
        return usageError(err, "a command is needed");
    if (asksForHelp(args.front()) || args.front() == "help" || std::any_of(args.begin() + 1, args.end(), asksForHelp))
        return help(out);
    if (args.front() == "--version") {
        out << "trelkin-cli " << TRELKIN_VERSION << '\n';
        return kExitOk;
    }
    const auto command = commands().find(args.front());
    if (command == commands().end())
        return usageError(err, "unknown command '" + args.front() + "'");
    args.erase(args.begin());
    try {
        return command->second(context);
    } catch (const UsageError& error) {
        return usageError(err, error.message);
    }
}

} // namespace trelkin::cli
