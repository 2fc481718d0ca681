#include "cli/cli_output.h"

#include "cli/command.h"
#include "core/text/cp932.h"

#include <ostream>

namespace trelkin::cli {

std::string utf8(std::string_view cp932) {
    return fromCp932(cp932).toStdString();
}

void printField(std::ostream& out, const char* caption, std::string_view cp932Value) {
    out << caption << '\t' << utf8(cp932Value) << '\n';
}

std::string cp932Argument(const std::string& argument) {
    return toCp932(QString::fromStdString(argument));
}

std::vector<std::string> slotWords() {
    std::vector<std::string> words;
    for (const ArmourSlot slot : kArmourSlots)
        words.push_back(utf8(slotCaption(slot)));
    return words;
}

ArmourSlot slotArgument(const std::string& argument) {
    for (const ArmourSlot slot : kArmourSlots)
        if (utf8(slotCaption(slot)) == argument)
            return slot;
    throw UsageError{"unknown slot '" + argument + "'"};
}

int reportError(std::ostream& err, const Error& error) {
    err << "trelkin-cli: " << withFullStop(error.message()).toStdString() << '\n';
    return kExitFailure;
}

} // namespace trelkin::cli
