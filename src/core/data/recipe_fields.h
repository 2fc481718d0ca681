#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace trelkin {

// Splits one recipe line into its comma-separated fields. Blanks (bytes 1 to 32) around fields are skipped;
// a blank also ends an unquoted field. A field in double quotes keeps commas and blanks, a doubled quote in it
// stands for one, and text after its closing quote becomes a field of its own. A comma at the end of the line
// adds an empty last field. Double-byte characters are taken whole. A quote that is never closed runs to the
// end of the line.
std::vector<std::string> splitRecipeFields(std::string_view line);

} // namespace trelkin
