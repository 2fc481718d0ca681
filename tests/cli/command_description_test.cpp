// The command line is described once, by the commands' records: the completion script and the manual page must
// name every command and option those records hold, and nothing else, so that a new option cannot be forgotten.
#include "cli/cli_app.h"
#include "cli/command.h"
#include "cli/option_parser.h"
#include "support/cli_run.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <gtest/gtest.h>

namespace trelkin {
namespace {

QString fileText(const char* path) {
    QFile file(QString::fromUtf8(path));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
    return QString::fromUtf8(file.readAll());
}

std::vector<const cli::Command*> everyCommand() {
    std::vector<const cli::Command*> commands;
    for (const cli::CommandGroup& group : cli::commandGroups())
        for (const cli::Command& command : group.commands)
            commands.push_back(&command);
    return commands;
}

QStringList optionNames(const cli::Command& command) {
    QStringList names;
    for (const cli::CommandOption& option : command.options)
        names << QString::fromStdString(option.name);
    names.sort();
    return names;
}

QStringList sortedWords(const QString& text) {
    QStringList words = text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    words.sort();
    return words;
}

// The options the completion offers after each command: its `case $command in` entries.
std::map<QString, QStringList> completionOptions(const QString& script) {
    std::map<QString, QStringList> options;
    static const QRegularExpression entry(QStringLiteral("^\\s*([a-z-]+)\\) options=\"([^\"]*)\""),
                                          QRegularExpression::MultilineOption);
    for (const QRegularExpressionMatch& match : entry.globalMatch(script))
        options[match.captured(1)] = sortedWords(match.captured(2));
    return options;
}

// The manual's entry of a command: its first line, "*name* [*--option* ...] ...".
QString manualEntry(const QString& manual, const cli::Command& command) {
    const QString head = QStringLiteral("\n*%1*").arg(QString::fromStdString(command.name));
    const qsizetype at = manual.indexOf(head + ' ') >= 0 ? manual.indexOf(head + ' ') : manual.indexOf(head + '\n');
    return at < 0 ? QString() : manual.mid(at + 1, manual.indexOf('\n', at + 1) - at - 1);
}

TEST(CommandDescriptionTest, TheCompletionOffersEveryCommandAndExactlyItsOptions) {
    const QString script = fileText(TRELKIN_COMPLETION_FILE);
    const QRegularExpressionMatch listed =
        QRegularExpression(QStringLiteral("local commands=\"([^\"]*)\"")).match(script);
    ASSERT_TRUE(listed.hasMatch());
    QStringList names{QStringLiteral("help")};
    for (const cli::Command* command : everyCommand())
        names << QString::fromStdString(command->name);
    names.sort();
    EXPECT_EQ(sortedWords(listed.captured(1)), names);

    const std::map<QString, QStringList> offered = completionOptions(script);
    for (const cli::Command* command : everyCommand()) {
        const auto entry = offered.find(QString::fromStdString(command->name));
        const QStringList expected = optionNames(*command);
        EXPECT_EQ(entry == offered.end() ? QStringList() : entry->second, expected) << command->name;
    }
}

TEST(CommandDescriptionTest, TheCompletionOffersTheFixedWordsOfEveryOption) {
    const QString script = fileText(TRELKIN_COMPLETION_FILE);
    for (const cli::Command* command : everyCommand())
        for (const cli::CommandOption& option : command->options)
            for (const cli::OptionValue& value : option.values) {
                if (value.words.empty())
                    continue;
                QStringList words;
                for (const std::string& word : value.words)
                    words << QString::fromStdString(word);
                const QString offer = QStringLiteral("compgen -W \"%1\"").arg(words.join(' '));
                EXPECT_TRUE(script.contains(offer))
                    << command->name << ' ' << option.name << ": " << offer.toStdString();
            }
}

TEST(CommandDescriptionTest, TheManualNamesEveryCommandWithExactlyItsOptionsAndArguments) {
    const QString manual = fileText(TRELKIN_CLI_MANUAL);
    static const QRegularExpression named(QStringLiteral("\\*(--[a-z0-9-]+)\\*"));
    for (const cli::Command* command : everyCommand()) {
        const QString entry = manualEntry(manual, *command);
        ASSERT_FALSE(entry.isEmpty()) << command->name;
        QStringList options;
        for (const QRegularExpressionMatch& match : named.globalMatch(entry))
            options << match.captured(1);
        options.sort();
        options.removeDuplicates();
        EXPECT_EQ(options, optionNames(*command)) << entry.toStdString();
        for (const std::string& positional : command->positionals)
            EXPECT_TRUE(entry.contains(QStringLiteral("_%1_").arg(QString::fromStdString(positional))))
                << entry.toStdString();
    }
}

TEST(CommandDescriptionTest, EachCommandsHelpIsItsSynopsisAndDescription) {
    for (const cli::Command* command : everyCommand()) {
        const testing::CliRun help = testing::runCli({command->name, "--help"});
        EXPECT_EQ(help.status, cli::kExitOk);
        const QString unwrapped =
            QString::fromStdString(help.out).replace(QRegularExpression(QStringLiteral("\\s+")), " ");
        EXPECT_TRUE(unwrapped.startsWith(
            QString::fromStdString("usage: trelkin-cli [--data-dir DIR] " + cli::synopsis(*command))))
            << help.out;
        const std::string firstLine = command->description.substr(0, command->description.find('\n'));
        EXPECT_NE(help.out.find(firstLine), std::string::npos) << help.out;
    }
    const std::string usage = testing::runCli({"--help"}).out;
    for (const cli::Command* command : everyCommand())
        EXPECT_NE(usage.find("  " + command->name), std::string::npos) << command->name;
}

} // namespace
} // namespace trelkin
