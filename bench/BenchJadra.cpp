// The core at the capacity of the tables, with Google Benchmark. tools/bench runs it and reports
// the medians, the ratio of the whole compute to writing the same bytes, and the peak memory.
#include "GenerovanaData.h"

#include "calc/Vypocet.h"
#include "cli/Cli.h"
#include "convert/AutomatickyPrevod.h"
#include "zaklad/CteniRadku.h"
#include "data/ImportZamereni.h"
#include "data/ProjektovySoubor.h"
#include "zaklad/Soubor.h"
#include "prikazy/UpravyRadku.h"
#include "dxf/Situace.h"
#include "kontrola/KontrolaLinie.h"
#include "prikazy/InformaceORovine.h"
#include "profile/NahledProfilu.h"
#include "written/PsanyProfil.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

using namespace lineon;

namespace {

/// A directory of its own for the inputs and the outputs of every benchmark, removed at the end.
class Adresar {
public:
    Adresar()
    {
        char vzor[] = "/tmp/lineon-bench-XXXXXX";
        cesta_ = std::string(::mkdtemp(vzor)) + "/";
    }
    ~Adresar() { std::filesystem::remove_all(cesta_); }
    std::string operator/(const std::string& nazev) const { return cesta_ + nazev; }
    const std::string& Cesta() const { return cesta_; }

private:
    std::string cesta_;
};

const Adresar& Data()
{
    static const Adresar adresar = [] {
        Adresar a;
        ZapsatProjekt(bench::Stoka()->Projekt, a / "stoka.csv", FormatProjektu::Tabulka);
        ZapsatProjekt(bench::Stoka()->Projekt, a / "stoka.dat", FormatProjektu::Radky);
        ZapsatProjekt(bench::Vodovod()->Projekt, a / "vodovod.csv", FormatProjektu::Tabulka);
        ZapsatProjekt(bench::OsaKomunikace()->Projekt, a / "osa.csv", FormatProjektu::Tabulka);
        std::string zamereni;
        for (const std::string& radek : bench::ZamereniSKody())
            zamereni += radek + "\n";
        soubor::ZapsatText(a / "zamereni.txt", zamereni);
        return a;
    }();
    return adresar;
}

class BezZprav final : public IZpravy {
public:
    void Oznamit(DruhZpravy, const std::string&) override {}
    bool VarovaniOkStorno(const std::string&) override { return true; }
    Odpoved DotazAnoNeStorno(const std::string&) override { return Odpoved::Ano; }
    bool DotazAnoNe(const std::string&) override { return true; }
};

/// A state computed without outputs, whose outputs go into the data directory.
std::unique_ptr<TStav> Spocteny(std::unique_ptr<TStav> stav)
{
    stav->Nastaveni.AdresarProjektu = Data().Cesta();
    BezZprav zpravy;
    ZadneVystupy vystupy;
    if (!Vypocet(*stav, zpravy, vystupy))
        std::abort();
    return stav;
}

std::unique_ptr<TStav> PodleDruhu(int druh)
{
    return druh == 1 ? bench::Stoka() : druh == 2 ? bench::Vodovod() : bench::OsaKomunikace();
}

void BM_Otevrit(benchmark::State& state)
{
    const bool csv = state.range(0) == 0;
    const std::string cesta = Data() / (csv ? "stoka.csv" : "stoka.dat");
    auto stav = std::make_unique<TStav>();
    BezZprav zpravy;
    for (auto _ : state)
        OtevritProjekt(*stav, cesta, csv ? FormatProjektu::Tabulka : FormatProjektu::Radky, zpravy);
}
BENCHMARK(BM_Otevrit)->ArgName("dat")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_Ulozit(benchmark::State& state)
{
    const bool csv = state.range(0) == 0;
    const auto stav = bench::Stoka();
    for (auto _ : state)
        ZapsatProjekt(stav->Projekt, Data() / (csv ? "ulozena.csv" : "ulozena.dat"),
                      csv ? FormatProjektu::Tabulka : FormatProjektu::Radky);
}
BENCHMARK(BM_Ulozit)->ArgName("dat")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_Vypocet(benchmark::State& state)
{
    const auto zdroj = PodleDruhu(static_cast<int>(state.range(0)));
    auto stav = std::make_unique<TStav>();
    BezZprav zpravy;
    ZadneVystupy vystupy;
    for (auto _ : state) {
        state.PauseTiming();
        stav->Projekt.Body = zdroj->Projekt.Body;
        stav->Projekt.Pripojky = zdroj->Projekt.Pripojky;
        stav->Nastaveni = zdroj->Nastaveni;
        state.ResumeTiming();
        benchmark::DoNotOptimize(Vypocet(*stav, zpravy, vystupy));
    }
}
BENCHMARK(BM_Vypocet)->ArgName("druh")->DenseRange(1, 3)->Unit(benchmark::kMillisecond);

// The checks of the line on the computed rows; the target is 10 ms for the sewer.
void BM_Kontrola(benchmark::State& state)
{
    const auto stav = Spocteny(PodleDruhu(static_cast<int>(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(ZkontrolovatLinii(*stav, stav->Doplnky.Kontrola));
}
BENCHMARK(BM_Kontrola)->ArgName("druh")->DenseRange(1, 3)->Unit(benchmark::kMillisecond);

void BM_PsanyProfil(benchmark::State& state)
{
    const auto stav = Spocteny(bench::Stoka());
    for (auto _ : state)
        ZapsatPsanyProfil(*stav);
}
BENCHMARK(BM_PsanyProfil)->Unit(benchmark::kMillisecond);

void BM_Situace(benchmark::State& state)
{
    const auto stav = Spocteny(bench::Stoka());
    for (auto _ : state)
        VytvoritSituaci(*stav);
}
BENCHMARK(BM_Situace)->Unit(benchmark::kMillisecond);

void BM_Profil(benchmark::State& state)
{
    const auto stav = Spocteny(bench::Stoka());
    BezNahledu nahled;
    for (auto _ : state) {
        InformaceORovine dialog;
        dialog.Naplnit(*stav);
        dialog.Potvrdit(*stav, nahled);
    }
}
BENCHMARK(BM_Profil)->Unit(benchmark::kMillisecond);

void BM_Import(benchmark::State& state)
{
    auto stav = std::make_unique<TStav>();
    BezZprav zpravy;
    for (auto _ : state)
        Importovat(*stav, Data() / "zamereni.txt", TypZamereni::Textovy, zpravy);
}
BENCHMARK(BM_Import)->Unit(benchmark::kMillisecond);

void BM_AutomatickyPrevod(benchmark::State& state)
{
    auto stav = std::make_unique<TStav>();
    BezZprav zpravy;
    Importovat(*stav, Data() / "zamereni.txt", TypZamereni::Textovy, zpravy);
    for (auto _ : state) {
        state.PauseTiming();
        stav->Projekt = TProjekt();
        state.ResumeTiming();
        SpustitAutomatickyPrevod(*stav);
    }
}
BENCHMARK(BM_AutomatickyPrevod)->Unit(benchmark::kMillisecond);

void BM_SeraditPodleZDna(benchmark::State& state)
{
    const auto zdroj = bench::Stoka();
    auto stav = std::make_unique<TStav>();
    for (auto _ : state) {
        state.PauseTiming();
        stav->Projekt.Body = zdroj->Projekt.Body;
        state.ResumeTiming();
        SeraditPodleZDna(*stav);
    }
}
BENCHMARK(BM_SeraditPodleZDna)->Unit(benchmark::kMillisecond);

/// The three outputs of `compute` in the data directory, as a list of paths.
std::vector<std::string> VystupyCompute()
{
    return {Data() / "podprof.csv", Data() / "situace.dxf", Data() / "podprof.dxf"};
}

/// The outputs of `compute` of the sewer, computed for a baseline to measure against.
std::vector<std::string> VystupyStoky()
{
    std::ostringstream vystup, chyby;
    cli::Spustit({"compute", Data() / "stoka.csv", "--out", Data().Cesta()}, vystup, chyby);
    return VystupyCompute();
}

/// `lineon-cli compute` in this process: opening, the calculation and the three outputs.
void BM_Compute(benchmark::State& state)
{
    const int druh = static_cast<int>(state.range(0));
    const std::string projekt = Data() / (druh == 1 ? "stoka.csv" : druh == 2 ? "vodovod.csv" : "osa.csv");
    const std::vector<std::string> argumenty = {"compute", projekt, "--out", Data().Cesta(), "--kind", std::to_string(druh)};
    for (auto _ : state) {
        std::ostringstream vystup, chyby;
        if (cli::Spustit(argumenty, vystup, chyby) != 0)
            state.SkipWithError(chyby.str().c_str());
    }
    std::uintmax_t bajty = 0;
    for (const std::string& cesta : VystupyCompute())
        if (std::filesystem::exists(cesta))
            bajty += std::filesystem::file_size(cesta);
    state.counters["bajty"] = static_cast<double>(bajty);
}
BENCHMARK(BM_Compute)->ArgName("druh")->DenseRange(1, 3)->Unit(benchmark::kMillisecond);

/// The whole `lineon-cli compute` process of the sewer, started as a user starts it.
void BM_ComputeProces(benchmark::State& state)
{
    const std::string program = LINEON_CLI;
    std::vector<std::string> argumenty = {program, "compute", Data() / "stoka.csv", "--out", Data().Cesta()};
    std::vector<char*> argv;
    for (std::string& a : argumenty)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t akce;
    posix_spawn_file_actions_init(&akce);
    posix_spawn_file_actions_addopen(&akce, 2, "/dev/null", O_WRONLY, 0);
    for (auto _ : state) {
        pid_t pid;
        int status = 0;
        if (posix_spawn(&pid, program.c_str(), &akce, nullptr, argv.data(), environ) != 0
            || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
            state.SkipWithError("lineon-cli compute failed");
    }
    posix_spawn_file_actions_destroy(&akce);
}
BENCHMARK(BM_ComputeProces)->Unit(benchmark::kMillisecond);

/// The baseline: as many bytes as the three outputs of the sewer hold, written with one buffered
/// write into the same directory; with 1 the file is also made durable and put in place as every
/// file of the program is (synced temporary file renamed over the target).
void BM_ZakladZapisu(benchmark::State& state)
{
    const bool trvale = state.range(0) == 1;
    std::size_t bajty = 0;
    for (const std::string& cesta : VystupyStoky())
        bajty += static_cast<std::size_t>(std::filesystem::file_size(cesta));
    const std::string obsah(bajty, 'x');
    const std::string docasny = Data() / "zaklad.tmp", cil = Data() / "zaklad.dxf";
    for (auto _ : state) {
        const int fd = ::open(docasny.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (fd < 0 || ::write(fd, obsah.data(), obsah.size()) != static_cast<ssize_t>(obsah.size())
            || (trvale && ::fsync(fd) != 0) || ::close(fd) != 0 || ::rename(docasny.c_str(), cil.c_str()) != 0)
            state.SkipWithError("the baseline write failed");
    }
    state.counters["bajty"] = static_cast<double>(bajty);
}
BENCHMARK(BM_ZakladZapisu)->ArgName("fsync")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

/// The floor of a writer that goes line by line: the lines of the sewer's three outputs, already
/// made, copied one by one into a buffer of 256 KB that is written out whenever it is full, then
/// synced and renamed.
void BM_ZakladRadku(benchmark::State& state)
{
    std::vector<std::string> radky;
    for (const std::string& cesta : VystupyStoky()) {
        const auto obsah = soubor::PrecistRadky(cesta);
        radky.insert(radky.end(), obsah.begin(), obsah.end());
    }
    constexpr std::size_t Davka = 1 << 18;
    std::vector<char> buffer(Davka + 4096);
    const std::string docasny = Data() / "zaklad.tmp", cil = Data() / "zaklad.dxf";
    for (auto _ : state) {
        const int fd = ::open(docasny.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        std::size_t v = 0;
        bool chyba = fd < 0;
        const auto vyprazdnit = [&] {
            chyba |= ::write(fd, buffer.data(), v) != static_cast<ssize_t>(v);
            v = 0;
        };
        for (const std::string& radek : radky) {
            if (v + radek.size() + 2 > buffer.size())
                vyprazdnit();
            std::memcpy(buffer.data() + v, radek.data(), radek.size());
            v += radek.size();
            buffer[v++] = '\r';
            buffer[v++] = '\n';
            if (v >= Davka)
                vyprazdnit();
        }
        vyprazdnit();
        if (chyba || ::fsync(fd) != 0 || ::close(fd) != 0 || ::rename(docasny.c_str(), cil.c_str()) != 0)
            state.SkipWithError("the line-by-line baseline failed");
    }
    state.counters["radky"] = static_cast<double>(radky.size());
}
BENCHMARK(BM_ZakladRadku)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
