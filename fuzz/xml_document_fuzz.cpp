// Any bytes, read by the streaming reader of the XML data files and by Qt's DOM: what the loaders can see must be
// the same, errors included.
#include "oracle/dom_equivalence.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string difference =
        trelkin::oracle::domDifference(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!difference.empty()) {
        std::fprintf(stderr, "the streaming reader differs from the DOM: %s\n", difference.c_str());
        std::abort();
    }
    return 0;
}
