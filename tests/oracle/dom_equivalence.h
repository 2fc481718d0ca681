#pragma once

#include <string>
#include <string_view>

namespace trelkin::oracle {

// Parses the bytes with the data files' streaming reader and with Qt's DOM, and tells the first way in which what
// the loaders can see differs: the parse error (message, line, column), or for any element its child node count,
// which children are elements, their names, attributes and text (or text error). Empty when they agree.
std::string domDifference(std::string_view bytes);

} // namespace trelkin::oracle
