#include "prikazy/VystupPdf.h"

namespace lineon {

std::string NazevPdf(const std::string& souborDxf)
{
    const std::size_t lomitko = souborDxf.find_last_of('/');
    const std::size_t tecka = souborDxf.find_last_of('.');
    const bool maPriponu = tecka != std::string::npos && (lomitko == std::string::npos || tecka > lomitko);
    return (maPriponu ? souborDxf.substr(0, tecka) : souborDxf) + ".pdf";
}

} // namespace lineon
