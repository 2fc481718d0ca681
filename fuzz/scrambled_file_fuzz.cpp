#include "core/data/common.h"
#include "core/text/text_lines.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

// The bytes of a data file, as ReadScrambledFile reads them once the file is open.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string plain = trelkin::unscrambleFileBytes(bytes);
    // The plain text never ends in a blank; a broken promise is a fault. (A stored key byte unscrambles to a
    // zero byte, which the line splitter treats as the end of the text.)
    if (trelkin::trimTrailingBlanks(plain).size() != plain.size())
        std::abort();
    trelkin::splitLines(plain);
    return 0;
}
