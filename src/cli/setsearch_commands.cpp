#include "cli/setsearch_commands.h"

#include "cli/cli_output.h"
#include "core/setsearch/extra_skills.h"
#include "core/setsearch/missing_wishes.h"
#include "core/setsearch/ordering_run.h"
#include "core/setsearch/piece_counts.h"
#include "core/setsearch/set_result_reader.h"
#include "core/setsearch/set_row.h"
#include "core/setsearch/set_search_run.h"
#include "core/text/error.h"
#include "core/text/integer_reader.h"

#include <functional>
#include <limits>
#include <optional>
#include <ostream>

namespace trelkin::cli {
namespace {

// The blank item of a wearer selector, as the command line names it.
const QString kAnyChoice = QStringLiteral("any");

struct SetSearchOptions {
    SetSearchQuery query;
    std::size_t wishes = 0;
    // The defence limits as their check boxes and spin edits hold them: none for "off" (the box cleared).
    std::optional<std::int32_t> eachDef = SetSearchQuery::kStartMinEachDef;
    std::optional<std::int32_t> totalDef = SetSearchQuery::kStartMinTotalDef;
    SetOrder order;
    bool countOnly = false;
    bool table = false;
    bool extraSkills = false;
    bool pieceCounts = false;
    std::uint64_t from = 0;
    std::uint64_t limit = std::numeric_limits<std::uint64_t>::max();
};

using Values = std::vector<std::string>;

using SearchOption = AppliedOption<SetSearchOptions>;

std::optional<std::int32_t> defenceLimit(const std::string& value) {
    if (value == "off")
        return std::nullopt;
    if (const auto limit = readInteger(value))
        return *limit;
    throw UsageError{"a defence limit is a number or off"};
}

// The item of a wearer selector that the argument names ("any" for the blank one).
int choiceArgument(const QStringList& items, const std::string& value, const char* option) {
    const QString text = QString::fromStdString(value);
    const int item = text == kAnyChoice ? 0 : items.indexOf(text);
    if (item <= 0 && text != kAnyChoice)
        throw UsageError{std::string(option) + " takes " + items.mid(1).join(", ").toStdString() + " or any"};
    return item;
}

std::uint64_t countArgument(const std::string& value, const std::string& option) {
    if (const auto count = readCount(value))
        return *count;
    throw UsageError{option + " takes a whole number of sets"};
}

std::int32_t rareArgument(const std::string& value) {
    if (const auto rare = readInteger(value))
        return *rare;
    throw UsageError{"--max-rare takes a number"};
}

SetOrderKey orderArgument(const std::string& value) {
    if (const std::optional<SetOrderKey> key = setOrderKeyNamed(value))
        return *key;
    throw UsageError{"unknown order '" + value + "'"};
}

std::vector<std::string> choiceWords(const QStringList& items) {
    std::vector<std::string> words;
    for (const QString& item : items.mid(1))
        words.push_back(item.toStdString());
    words.push_back(kAnyChoice.toStdString());
    return words;
}

const std::vector<SearchOption>& searchOptions() {
    const OptionValue defence{"N", {"off"}};
    static const std::vector<SearchOption> options{
        {{"--skill", {{"NAME"}}, true},
         [](SetSearchOptions& o, const Values& v) {
             if (o.wishes == SetSearchQuery::kWantedSkillCount)
                 throw UsageError{"at most three --skill options"};
             o.query.WantedSkills[o.wishes++] = cp932Argument(v[0]);
         }},
        {{"--sex", {{"", choiceWords(sexChoiceItems())}}},
         [](SetSearchOptions& o, const Values& v) {
             o.query.sex = sexOfChoice(choiceArgument(sexChoiceItems(), v[0], "--sex"));
         }},
        {{"--class", {{"", choiceWords(classChoiceItems())}}},
         [](SetSearchOptions& o, const Values& v) {
             o.query.wearerClass = classOfChoice(choiceArgument(classChoiceItems(), v[0], "--class"));
         }},
        {{"--min-each", {defence}}, [](SetSearchOptions& o, const Values& v) { o.eachDef = defenceLimit(v[0]); }},
        {{"--min-total", {defence}}, [](SetSearchOptions& o, const Values& v) { o.totalDef = defenceLimit(v[0]); }},
        {{"--exclude", {{"", slotWords()}, {"NAME"}}, true},
         [](SetSearchOptions& o, const Values& v) {
             addNarrowing(o.query, slotArgument(v[0]), cp932Argument(v[1]), false);
         }},
        {{"--pin", {{"", slotWords()}, {"NAME"}}, true},
         [](SetSearchOptions& o, const Values& v) {
             addNarrowing(o.query, slotArgument(v[0]), cp932Argument(v[1]), true);
         }},
        {{"--max-rare", {{"N"}}}, [](SetSearchOptions& o, const Values& v) { o.query.MaxRare = rareArgument(v[0]); }},
        {{"--torso-up"}, [](SetSearchOptions& o, const Values&) { o.query.TorsoUp = true; }},
        {{"--order", {{"", {setOrderNames().begin(), setOrderNames().end()}}}},
         [](SetSearchOptions& o, const Values& v) { o.order.key = orderArgument(v[0]); }},
        {{"--reverse"}, [](SetSearchOptions& o, const Values&) { o.order.reversed = true; }},
        {{"--table"}, [](SetSearchOptions& o, const Values&) { o.table = true; }},
        {{"--count"}, [](SetSearchOptions& o, const Values&) { o.countOnly = true; }},
        {{"--extra-skills"}, [](SetSearchOptions& o, const Values&) { o.extraSkills = true; }},
        {{"--piece-counts"}, [](SetSearchOptions& o, const Values&) { o.pieceCounts = true; }},
        {{"--from", {{"K"}}}, [](SetSearchOptions& o, const Values& v) { o.from = countArgument(v[0], "--from"); }},
        {{"--limit", {{"N"}}}, [](SetSearchOptions& o, const Values& v) { o.limit = countArgument(v[0], "--limit"); }},
    };
    return options;
}

SetSearchOptions parsedOptions(const ParsedArguments& parsed) {
    SetSearchOptions options;
    applyOptions(parsed, searchOptions(), options);
    if (!SetSearchQuery::mayStart(options.query.WantedSkills, options.eachDef.has_value(),
                                  options.totalDef.has_value()))
        throw UsageError{"nothing to search for: give a --skill, or a --min-each or --min-total that is not off"};
    options.query.MinEachDef = options.eachDef.value_or(0);
    options.query.MinTotalDef = options.totalDef.value_or(0);
    return options;
}

// The result in the order asked for; throws the ordering's failure.
ResultInOrder inOrder(const std::shared_ptr<const SetSearchResult>& result, SetOrder order) {
    if (order.key == SetOrderKey::Loop)
        return {result, nullptr, order.reversed};
    const std::unique_ptr<OrderingRun> ordering = startOrdering(result, order.key);
    ordering->wait();
    if (!ordering->result())
        throw Error(ordering->failure());
    return {result, *ordering->result(), order.reversed};
}

// The sets from `from` on, at most `limit` of them, as blocks or as table rows.
void printSets(std::ostream& out, SetResultReader& reader, const SetSearchOptions& options) {
    if (!options.table)
        return writeBlockTexts(reader, options.from, options.limit,
                               [&](const std::string& block) { out << utf8(block); });
    reader.visit(options.from, options.limit, [&](const FoundSet& set) {
        out << utf8(setRowLine(setRow(reader.result().tables(), set, reader.result().torsoUp()))) << '\n';
        return true;
    });
}

// The skills that could still be added, "NAME<TAB>COUNT" a line, most first.
void printExtraSkills(std::ostream& out, const ArmourTables& tables, const SetSearchQuery& query) {
    SetSearchControl control;
    for (const ExtraSkill& skill : countExtraSkills(tables, query, control, SetSearchRun::defaultThreads()))
        out << utf8(skill.name) << '\t' << skill.sets << '\n';
}

// "SLOT<TAB>NAME<TAB>COUNT" a line, slots head to leg, pieces in loop order.
void printPieceCounts(std::ostream& out, const std::shared_ptr<const SetSearchResult>& result) {
    const auto counts = countPieces(result);
    for (const ArmourSlot slot : kArmourSlots)
        for (const PieceCount& piece : counts[slotIndex(slot)])
            out << utf8(slotCaption(slot)) << '\t' << utf8(result->tables().slotTable(slot)[piece.piece].Name) << '\t'
                << piece.sets << '\n';
}

// Where nothing was found, what each wish left out would find, as the page says it.
void printWithoutEachWish(std::ostream& err, const ArmourTables& tables, const SetSearchQuery& query) {
    SetSearchControl control;
    const QString text = withoutWishesText(countWithoutEachWish(tables, query, control));
    if (!text.isEmpty())
        err << text.toStdString() << '\n';
}

void printAnswers(std::ostream& out, const ArmourTables& tables, const std::shared_ptr<const SetSearchResult>& result,
                  const SetSearchOptions& options) {
    if (options.countOnly)
        out << (result ? result->size() : 0) << '\n';
    if (options.extraSkills)
        printExtraSkills(out, tables, options.query);
    if (options.pieceCounts && result)
        printPieceCounts(out, result);
    if (!options.countOnly && !options.extraSkills && !options.pieceCounts && result) {
        SetResultReader reader = inOrder(result, options.order).reader();
        printSets(out, reader, options);
    }
}

int setSearch(CommandContext& context, const ParsedArguments& parsed) {
    const SetSearchOptions options = parsedOptions(parsed);
    return withDataFile<ArmourTables>(context, kGuardFileName, loadArmourTables, [&](const ArmourTables& tables) {
        SetSearchRun run(tables, options.query);
        run.wait();
        try {
            printAnswers(context.out, tables, run.result(), options);
            if (run.end() == SetSearchEnd::Finished && (!run.result() || run.result()->size() == 0))
                printWithoutEachWish(context.err, tables, options.query);
        } catch (const Error& error) {
            return reportError(context.err, error);
        } catch (const std::bad_alloc&) {
            return reportError(context.err, Error(setSearchEndMessage(SetSearchEnd::OutOfMemory)));
        } catch (const TooManySets&) {
            return reportError(context.err, Error(setSearchEndMessage(SetSearchEnd::TooManySets)));
        }
        const QString failure = setSearchEndMessage(run.end());
        return failure.isEmpty() ? kExitOk : reportError(context.err, Error(failure));
    });
}

} // namespace

CommandGroup setSearchCommands() {
    return {"Set search (every head, body, arm, waist and leg combination; defaults as the page starts)",
            {
                {"set-search",
                 {},
                 describedOptions(searchOptions()),
                 false,
                 "the result blocks of every matching set, or with --table one tab-separated line per set (the\n"
                 "five names, defence, fire, water, thunder, dragon, price, the activated skills), from set K\n"
                 "(counted from 0) on, at most N of them, in loop order or by a sum (def, fire, water, thunder,\n"
                 "dragon highest first, price lowest first; ties in loop order; --reverse: backwards); or with\n"
                 "--count only their number, with --extra-skills the skills that could still be added (NAME, COUNT\n"
                 "of sets, most first), with --piece-counts the sets each piece is in (SLOT, NAME, COUNT). Pieces\n"
                 "of an excluded name are left out, only pieces of the names pinned to a slot are tried there,\n"
                 "--max-rare leaves out rarer pieces; --torso-up judges by the armour evaluation's torso-up rule.\n"
                 "Where nothing is found, standard error tells what each wish left out would find\n",
                 setSearch},
            }};
}

} // namespace trelkin::cli
