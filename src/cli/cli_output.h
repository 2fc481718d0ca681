#pragma once

#include "cli/command.h"
#include "core/data/armour_slot.h"
#include "core/data/data_file_path.h"
#include "core/text/error.h"

#include <iosfwd>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace trelkin::cli {

// Code page 932 text as the UTF-8 that the command line prints.
std::string utf8(std::string_view cp932);

// One field of a page: its caption, a tab and its code page 932 value as UTF-8.
void printField(std::ostream& out, const char* caption, std::string_view cp932Value);

// A command's argument (UTF-8) as a code page 932 name.
std::string cp932Argument(const std::string& argument);

// The five slots as the command line names them, "頭" … "脚", and the slot an argument names (a usage error for
// anything else).
std::vector<std::string> slotWords();
ArmourSlot slotArgument(const std::string& argument);

// Prints the error as the program would word it and gives the failure status.
int reportError(std::ostream& err, const Error& error);

// Loads one data file of the data directory into a fresh table with the program's own loader and prints from
// it; a load error is reported as the program would show it. The printer may return the exit status.
template <typename Table, typename Load, typename Print>
int withDataFile(CommandContext& context, const QString& fileName, Load load, Print print) {
    Table table;
    try {
        load(dataFilePathIn(context.dataDirectory, fileName), table);
    } catch (const Error& error) {
        return reportError(context.err, error);
    }
    const Table& loaded = table;
    if constexpr (std::is_void_v<decltype(print(loaded))>) {
        print(loaded);
        return kExitOk;
    } else {
        return print(loaded);
    }
}

} // namespace trelkin::cli
