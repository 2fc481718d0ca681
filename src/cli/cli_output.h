#pragma once

#include "data/error.h"

#include <iosfwd>
#include <string>
#include <string_view>

namespace trelkin::cli {

// Code page 932 text as the UTF-8 that the command line prints.
std::string utf8(std::string_view cp932);

// A command's argument (UTF-8) as a code page 932 name.
std::string cp932Argument(const std::string& argument);

// Prints the error as the program would word it and gives the failure status.
int reportError(std::ostream& err, const Error& error);

} // namespace trelkin::cli
