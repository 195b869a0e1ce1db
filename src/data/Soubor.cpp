#include "data/Soubor.h"

#include "data/Chyba.h"
#include "data/Kodovani.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

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

/// Writes bytes 0..size of a file whose first `zapsano` bytes are out already.
void ZapsatVse(int fd, std::string_view bajty, std::size_t zapsano, const std::string& cesta)
{
    std::size_t limit = bajty.size();
    bool porucha = false;
    if (AktivniPorucha && AktivniPorucha->druh == Porucha::Druh::Zapis && AktivniPorucha->poBajtech < zapsano + limit) {
        limit = AktivniPorucha->poBajtech > zapsano ? AktivniPorucha->poBajtech - zapsano : 0;
        porucha = true;
    }
    std::size_t hotovo = 0;
    while (hotovo < limit) {
        const ssize_t n = ::write(fd, bajty.data() + hotovo, limit - hotovo);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            Selhat("zapsat", cesta, errno);
        }
        hotovo += static_cast<std::size_t>(n);
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
    ZapisTextu zapis(cesta);
    zapis.Pripsat(utf8);
    zapis.Dokoncit();
}

namespace {

/// The buffer goes out when it holds this much; it has room for that and for a piece of text of
/// the same size converted with every line end doubled.
constexpr std::size_t Davka = 1 << 18;
constexpr std::size_t VelikostBufferu = 3 * Davka;

/// The length of a start of `radek`, in whole words of eight bytes, that holds only ASCII
/// without CR and LF and can be copied as it stands.
std::size_t DelkaCistehoAscii(std::string_view radek)
{
    constexpr std::uint64_t Jednicky = 0x0101010101010101u, Horni = 0x8080808080808080u;
    const auto maBajt = [](std::uint64_t w, unsigned char b) {
        const std::uint64_t x = w ^ (Jednicky * b);
        return ((x - Jednicky) & ~x & Horni) != 0;
    };
    std::size_t i = 0;
    for (; i + 8 <= radek.size(); i += 8) {
        std::uint64_t w;
        std::memcpy(&w, radek.data() + i, 8);
        if ((w & Horni) != 0 || maBajt(w, '\r') || maBajt(w, '\n'))
            break;
    }
    return i;
}

/// The longest piece of `text` of at most `n` bytes that ends between two UTF-8 characters.
std::size_t DelkaKusu(std::string_view text, std::size_t n)
{
    if (n >= text.size())
        return text.size();
    std::size_t k = n;
    while (k > n - 3 && (static_cast<unsigned char>(text[k]) & 0xC0) == 0x80)
        --k;
    return k;
}

} // namespace

ZapisTextu::ZapisTextu(std::string cesta) : cesta_(std::move(cesta)), buffer_(new char[VelikostBufferu]) {}

ZapisTextu::~ZapisTextu()
{
    if (fd_ >= 0)
        ::close(fd_);
    if (!docasny_.empty())
        ::unlink(docasny_.c_str());
}

void ZapisTextu::Pripsat(std::string_view utf8)
{
    while (!utf8.empty()) {
        const std::string_view kus = utf8.substr(0, DelkaKusu(utf8, Davka));
        if (vBufferu_ + 2 * kus.size() > VelikostBufferu)
            Vyprazdnit();
        try {
            vBufferu_ += kodovani::DoCp1250SCrLf(kus, buffer_.get() + vBufferu_);
        } catch (const Chyba& chyba) {
            throw Chyba("Soubor „" + cesta_ + "“ nelze zapsat: " + chyba.what());
        }
        utf8.remove_prefix(kus.size());
        if (vBufferu_ >= Davka)
            Vyprazdnit();
    }
}

void ZapisTextu::PripsatRadek(std::string_view radek)
{
    if (vBufferu_ + radek.size() + 2 <= VelikostBufferu) {
        // ASCII is the same in code page 1250: it is copied as it goes, until a character that is
        // not ASCII sends the line the general way.
        char* const zacatek = buffer_.get() + vBufferu_;
        const std::size_t hotovo = DelkaCistehoAscii(radek);
        std::memcpy(zacatek, radek.data(), hotovo);
        char* cil = zacatek + hotovo;
        bool ascii = true;
        for (const char c : radek.substr(hotovo)) {
            if (static_cast<unsigned char>(c) >= 0x80) {
                ascii = false;
                break;
            }
            *cil++ = c == '\r' || c == '\n' ? ' ' : c;
        }
        if (ascii) {
            *cil++ = '\r';
            *cil++ = '\n';
            vBufferu_ += static_cast<std::size_t>(cil - zacatek);
            if (vBufferu_ >= Davka)
                Vyprazdnit();
            return;
        }
    }
    std::string bezZalomeni(radek);
    std::replace_if(bezZalomeni.begin(), bezZalomeni.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    Pripsat(bezZalomeni);
    Pripsat("\n");
}

void ZapisTextu::Vyprazdnit()
{
    if (fd_ < 0 && docasny_.empty()) {
        if (cesta_.empty() || cesta_.back() == '/' || JeAdresar(cesta_))
            Selhat("zapsat", cesta_, EISDIR);
        if (AktivniPorucha && AktivniPorucha->druh == Porucha::Druh::Otevreni)
            Selhat("vytvořit", cesta_, EACCES);
        static unsigned pocitadlo = 0;
        const std::string adresar = Adresar(cesta_);
        const std::string docasny = adresar + ".~" + cesta_.substr(adresar.size()) + "."
                                    + std::to_string(::getpid()) + "." + std::to_string(++pocitadlo);
        fd_ = ::open(docasny.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0)
            Selhat("vytvořit", cesta_, errno);
        docasny_ = docasny;
    }
    ZapsatVse(fd_, std::string_view(buffer_.get(), vBufferu_), zapsano_, cesta_);
    // The disk starts on this part while the text goes on, so the sync at the end waits for little.
    ::sync_file_range(fd_, static_cast<off_t>(zapsano_), static_cast<off_t>(vBufferu_), SYNC_FILE_RANGE_WRITE);
    zapsano_ += vBufferu_;
    vBufferu_ = 0;
}

void ZapisTextu::Dokoncit()
{
    Vyprazdnit();
    if (::fsync(fd_) != 0 && errno != EINVAL)
        Selhat("zapsat", cesta_, errno);
    const int zavreni = ::close(fd_);
    fd_ = -1;
    if (zavreni != 0)
        Selhat("zapsat", cesta_, errno);
    if (::rename(docasny_.c_str(), cesta_.c_str()) != 0)
        Selhat("zapsat", cesta_, errno);
    docasny_.clear();
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
