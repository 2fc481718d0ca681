#pragma once

#include "cli/cli_app.h"

#include <QString>
#include <string>

namespace trelkin::cli {

// skills: the rows of the skill list.
int skillsCommand(CommandContext& context);

// armour [--skill S] [--material M] [--slot 全て|頭|胴|腕|腰|脚] [--click COLUMN]...: the rows of the armour search
// list after the given header clicks, then the count.
int armourCommand(CommandContext& context);

// evaluate [--head NAME] [--body NAME] [--arm NAME] [--waist NAME] [--leg NAME]: what the armour detail group
// shows for the set.
int evaluateCommand(CommandContext& context);

// What an armour data file holds, in words, for check.
std::string describeGuardFile(const QString& path);

} // namespace trelkin::cli
