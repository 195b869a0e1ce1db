#include "cli/Cli.h"
#include "malba/PdfVykresu.h"

#include <iostream>

int main(int argc, char** argv)
{
    const lineon::malba::VystupPdf pdf;
    return lineon::cli::Spustit(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr,
                                lineon::soubor::SystemovyDisk(), &pdf);
}
