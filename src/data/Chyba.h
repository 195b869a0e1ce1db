#pragma once

#include <stdexcept>
#include <string>

namespace lineon {

/// A failure that ends the running command; its text is Czech and is shown to the user as it stands.
class Chyba : public std::runtime_error {
public:
    explicit Chyba(const std::string& zprava) : std::runtime_error(zprava) {}
};

} // namespace lineon
