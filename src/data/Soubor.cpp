#include "data/Soubor.h"

#include "data/Chyba.h"
#include "data/Kodovani.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lineon::soubor {

namespace {

thread_local std::optional<Porucha> AktivniPorucha;

std::string PopisChyby(int cislo)
{
    switch (cislo) {
    case ENOENT: return "soubor nebo adresář neexistuje";
    case EACCES:
    case EPERM: return "přístup odepřen";
    case ENOSPC: return "na disku není místo";
    case EDQUOT: return "překročena disková kvóta";
    case EROFS: return "disk je jen pro čtení";
    case EISDIR: return "je to adresář";
    case ENOTDIR: return "část cesty není adresář";
    case ENAMETOOLONG: return "název je příliš dlouhý";
    case EFBIG: return "soubor je příliš velký";
    case EIO: return "chyba vstupu/výstupu";
    case EBUSY:
    case ETXTBSY: return "soubor je používán";
    default: return std::strerror(cislo);
    }
}

[[noreturn]] void Selhat(const std::string& co, const std::string& cesta, int cislo)
{
    throw Chyba("Soubor „" + cesta + "“ nelze " + co + ": " + PopisChyby(cislo) + ".");
}

bool JeAdresar(const std::string& cesta)
{
    struct stat st;
    return ::stat(cesta.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

class Popisovac {
public:
    explicit Popisovac(int fd) : fd_(fd) {}
    ~Popisovac() { if (fd_ >= 0) ::close(fd_); }
    Popisovac(const Popisovac&) = delete;
    Popisovac& operator=(const Popisovac&) = delete;
    int fd() const { return fd_; }
    int Zavrit() { const int r = ::close(fd_); fd_ = -1; return r; }
private:
    int fd_;
};

std::string NactiBajty(const std::string& cesta)
{
    if (AktivniPorucha && AktivniPorucha->druh == Porucha::Druh::Otevreni)
        Selhat("otevřít", cesta, EACCES);
    Popisovac soubor(::open(cesta.c_str(), O_RDONLY | O_CLOEXEC));
    if (soubor.fd() < 0)
        Selhat("otevřít", cesta, errno);
    std::string obsah;
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(soubor.fd(), buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            Selhat("přečíst", cesta, errno);
        }
        if (n == 0)
            break;
        obsah.append(buf, static_cast<std::size_t>(n));
    }
    return obsah;
}

void ZapsatVse(int fd, std::string_view bajty, const std::string& cesta)
{
    std::size_t limit = bajty.size();
    bool porucha = false;
    if (AktivniPorucha && AktivniPorucha->druh == Porucha::Druh::Zapis && AktivniPorucha->poBajtech < limit) {
        limit = AktivniPorucha->poBajtech;
        porucha = true;
    }
    std::size_t zapsano = 0;
    while (zapsano < limit) {
        const ssize_t n = ::write(fd, bajty.data() + zapsano, limit - zapsano);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            Selhat("zapsat", cesta, errno);
        }
        zapsano += static_cast<std::size_t>(n);
    }
    if (porucha)
        Selhat("zapsat", cesta, ENOSPC);
}

} // namespace

namespace {

// Calls `zpracovat` with the bytes of every line of a file (CR LF or LF alone end a line; a last
// line without an end counts too).
template <class Zpracovani>
void ProKazdyRadek(const std::string& bajty, Zpracovani zpracovat)
{
    std::size_t zacatek = 0;
    while (zacatek < bajty.size()) {
        std::size_t konec = bajty.find('\n', zacatek);
        const std::size_t dalsi = konec == std::string::npos ? bajty.size() : konec + 1;
        if (konec == std::string::npos)
            konec = bajty.size();
        std::string_view radek(bajty.data() + zacatek, konec - zacatek);
        if (!radek.empty() && radek.back() == '\r')
            radek.remove_suffix(1);
        zpracovat(radek);
        zacatek = dalsi;
    }
}

// Splits a file into lines; `prevest` turns the bytes of a line into UTF-8 text or returns the
// reason why it cannot, which ends the reading.
template <class Prevod>
std::vector<std::string> RozdelitNaRadky(const std::string& cesta, Prevod prevest)
{
    std::vector<std::string> radky;
    ProKazdyRadek(NactiBajty(cesta), [&](std::string_view radek) {
        std::string text;
        if (const auto chyba = prevest(radek, text))
            throw Chyba("Soubor „" + cesta + "“, řádek " + std::to_string(radky.size() + 1) + ": " + *chyba);
        radky.push_back(std::move(text));
    });
    return radky;
}

} // namespace

std::vector<std::string> PrecistRadky(const std::string& cesta)
{
    return RozdelitNaRadky(cesta, [](std::string_view radek, std::string& text) -> std::optional<std::string> {
        const auto chyba = kodovani::ZCp1250(radek, text);
        if (!chyba)
            return std::nullopt;
        char bajt[8];
        std::snprintf(bajt, sizeof bajt, "0x%02X", chyba->bajt);
        return "bajt " + std::string(bajt) + " nemá v kódové stránce 1250 žádný znak.";
    });
}

std::vector<std::optional<std::string>> PrecistRadkyPoJednom(const std::string& cesta)
{
    std::vector<std::optional<std::string>> radky;
    ProKazdyRadek(NactiBajty(cesta), [&](std::string_view radek) {
        std::string text;
        if (kodovani::ZCp1250(radek, text))
            radky.emplace_back();
        else
            radky.emplace_back(std::move(text));
    });
    return radky;
}

std::vector<std::string> PrecistRadkyUtf8(const std::string& cesta)
{
    return RozdelitNaRadky(cesta, [](std::string_view radek, std::string& text) -> std::optional<std::string> {
        if (!kodovani::PlatneUtf8(radek))
            return "text není v kódování UTF-8.";
        text = radek;
        return std::nullopt;
    });
}

void ZapsatText(const std::string& cesta, std::string_view utf8)
{
    std::string bajty;
    try {
        bajty = kodovani::DoCp1250(utf8);
    } catch (const Chyba& chyba) {
        throw Chyba("Soubor „" + cesta + "“ nelze zapsat: " + chyba.what());
    }
    std::string sCrLf;
    sCrLf.reserve(bajty.size() + bajty.size() / 16);
    for (const char c : bajty) {
        if (c == '\n')
            sCrLf += '\r';
        sCrLf += c;
    }
    if (cesta.empty() || cesta.back() == '/' || JeAdresar(cesta))
        Selhat("zapsat", cesta, EISDIR);
    if (AktivniPorucha && AktivniPorucha->druh == Porucha::Druh::Otevreni)
        Selhat("vytvořit", cesta, EACCES);

    static unsigned pocitadlo = 0;
    const std::string docasny = Adresar(cesta) + ".~" + cesta.substr(Adresar(cesta).size()) + "."
                                + std::to_string(::getpid()) + "." + std::to_string(++pocitadlo);
    Popisovac soubor(::open(docasny.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (soubor.fd() < 0)
        Selhat("vytvořit", cesta, errno);
    try {
        ZapsatVse(soubor.fd(), sCrLf, cesta);
        if (::fsync(soubor.fd()) != 0 && errno != EINVAL)
            Selhat("zapsat", cesta, errno);
        if (soubor.Zavrit() != 0)
            Selhat("zapsat", cesta, errno);
        if (::rename(docasny.c_str(), cesta.c_str()) != 0)
            Selhat("zapsat", cesta, errno);
    } catch (...) {
        ::unlink(docasny.c_str());
        throw;
    }
}

bool Existuje(const std::string& cesta)
{
    struct stat st;
    return ::stat(cesta.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

std::string Adresar(const std::string& cesta)
{
    const auto lomitko = cesta.rfind('/');
    return lomitko == std::string::npos ? std::string() : cesta.substr(0, lomitko + 1);
}

ZkusebniPorucha::ZkusebniPorucha(Porucha porucha) { AktivniPorucha = porucha; }
ZkusebniPorucha::~ZkusebniPorucha() { AktivniPorucha.reset(); }

} // namespace lineon::soubor
