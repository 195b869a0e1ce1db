#pragma once

#include <stdexcept>
#include <string>

namespace lineon {

/// A failure that ends the running command; its text is Czech and is shown to the user as it stands.
class Chyba : public std::runtime_error {
public:
    explicit Chyba(const std::string& zprava) : std::runtime_error(zprava) {}
};

/// A failure found by a check of the calculation's results (a drawing that would not fit its
/// sheet), not by a file: the batch program ends it with status 1.
class ChybaVypoctu : public Chyba {
public:
    using Chyba::Chyba;
};

/// What the user reads about an exception that ended a command: a `Chyba`'s own text, and for any
/// other (a fault of the program itself, or too little memory) a Czech sentence saying so.
std::string ZpravaOVyjimce(const std::exception& vyjimka);

} // namespace lineon
