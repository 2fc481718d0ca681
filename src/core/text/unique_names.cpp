#include "core/text/unique_names.h"

#include "core/text/ascii_case.h"

namespace trelkin {

void UniqueNames::add(const std::string& name) {
    if (m_seen.insert(asciiUpper(name)).second)
        m_names.push_back(name);
}

} // namespace trelkin
