// lineon-bench-data DIR: writes the generated inputs of the benchmarks as files into DIR, for
// timing the batch program as a whole process.
#include "GenerovanaData.h"

#include "zaklad/Chyba.h"
#include "data/ProjektovySoubor.h"
#include "zaklad/Soubor.h"

#include <iostream>

using namespace lineon;

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "použití: lineon-bench-data ADRESÁŘ\n";
        return 2;
    }
    const std::string adresar = std::string(argv[1]) + "/";
    try {
        ZapsatProjekt(bench::Stoka()->Projekt, adresar + "stoka.csv", FormatProjektu::Tabulka);
        ZapsatProjekt(bench::Stoka()->Projekt, adresar + "stoka.dat", FormatProjektu::Radky);
        ZapsatProjekt(bench::Vodovod()->Projekt, adresar + "vodovod.csv", FormatProjektu::Tabulka);
        ZapsatProjekt(bench::OsaKomunikace()->Projekt, adresar + "osa.csv", FormatProjektu::Tabulka);
        std::string zamereni;
        for (const std::string& radek : bench::ZamereniSKody())
            zamereni += radek + "\n";
        soubor::ZapsatText(adresar + "zamereni.txt", zamereni);
    } catch (const Chyba& chyba) {
        std::cerr << "error: " << chyba.what() << '\n';
        return 2;
    }
    return 0;
}
