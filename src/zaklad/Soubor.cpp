#include "zaklad/Soubor.h"

#include "zaklad/Chyba.h"
#include "zaklad/Kodovani.h"

#include <algorithm>
#include <atomic>
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

/// The file a save of `cesta` replaces (through a symbolic link the file it points to, so the
/// link stays), refused when `cesta` names a directory or the disk refuses to create a file.
std::string CilUlozeni(const std::string& cesta, const Disk& disk)
{
    if (cesta.empty() || cesta.back() == '/' || JeAdresar(cesta))
        Selhat("zapsat", cesta, EISDIR);
    if (const int chyba = disk.ChybaVytvoreni())
        Selhat("vytvořit", cesta, chyba);
    return CilOdkazu(cesta);
}

/// A name for the temporary file of a save, in the directory of the file it replaces.
std::string DocasnyNazev(const std::string& cil)
{
    // The outputs of a calculation may be written at once, on threads of their own.
    static std::atomic<unsigned> pocitadlo = 0;
    const std::string adresar = Adresar(cil);
    return adresar + ".~" + cil.substr(adresar.size()) + "." + std::to_string(::getpid()) + "."
           + std::to_string(++pocitadlo);
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

/// Writes the bytes of a file whose first `zapsano` bytes are out already, as far as the disk
/// has room for them.
void ZapsatVse(int fd, std::string_view bajty, std::size_t zapsano, const std::string& cesta, const Disk& disk)
{
    const std::size_t limit = std::min(disk.Misto(zapsano, bajty.size()), bajty.size());
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
    if (limit < bajty.size())
        Selhat("zapsat", cesta, ENOSPC);
}

} // namespace

void Disk::Nahradit(const std::string& docasny, const std::string& cil, const std::string& cesta) const
{
    if (::rename(docasny.c_str(), cil.c_str()) != 0)
        Selhat("zapsat", cesta, errno);
}

const Disk& SystemovyDisk()
{
    static const Disk disk;
    return disk;
}

VstupniSoubor::VstupniSoubor(std::string cesta) : cesta_(std::move(cesta))
{
    // Without O_NONBLOCK the open of a FIFO would wait for a writer before anything could be checked.
    fd_ = ::open(cesta_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0)
        Selhat("otevřít", cesta_, errno);
    struct stat st;
    if (::fstat(fd_, &st) != 0)
        Selhat("otevřít", cesta_, errno);
    if (!S_ISREG(st.st_mode)) {
        ::close(fd_);
        fd_ = -1;
        throw Chyba("Soubor „" + cesta_ + "“ není obyčejný soubor.");
    }
}

VstupniSoubor::~VstupniSoubor()
{
    if (fd_ >= 0)
        ::close(fd_);
}

std::size_t VstupniSoubor::Cist(char* cil, std::size_t n)
{
    for (;;) {
        const ssize_t precteno = ::read(fd_, cil, n);
        if (precteno >= 0)
            return static_cast<std::size_t>(precteno);
        if (errno != EINTR)
            Selhat("přečíst", cesta_, errno);
    }
}

void ZapsatText(const std::string& cesta, std::string_view utf8, const Disk& disk)
{
    ZapisTextu zapis(cesta, disk);
    zapis.Text(utf8);
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

/// The one rule for a line break inside a line: it becomes a blank.
char BezZalomeni(char c)
{
    return c == '\r' || c == '\n' ? ' ' : c;
}

} // namespace

VystupCp1250::VystupCp1250(std::string nazev) : nazev_(std::move(nazev)) {}

VystupCp1250::~VystupCp1250() = default;

void VystupCp1250::Text(std::string_view utf8)
{
    while (!utf8.empty()) {
        const std::string_view kus = utf8.substr(0, utf8.size() <= Davka ? utf8.size() : kodovani::DelkaCelychZnaku(utf8.substr(0, Davka)));
        if (vBufferu_ + 2 * kus.size() > VelikostBufferu)
            Vyprazdnit();
        Zvetsit(vBufferu_ + 2 * kus.size());
        try {
            vBufferu_ += kodovani::DoCp1250SCrLf(kus, buffer_.get() + vBufferu_);
        } catch (const Chyba& chyba) {
            throw Chyba("Soubor „" + nazev_ + "“ nelze zapsat: " + chyba.what());
        }
        utf8.remove_prefix(kus.size());
        if (vBufferu_ >= Davka)
            Vyprazdnit();
    }
}

void VystupCp1250::RadkyAscii(std::string_view radky)
{
    if (radky.size() > Davka) {
        Vyprazdnit();
        Odeslat(radky);
        return;
    }
    if (vBufferu_ + radky.size() > VelikostBufferu)
        Vyprazdnit();
    Zvetsit(vBufferu_ + radky.size());
    std::memcpy(buffer_.get() + vBufferu_, radky.data(), radky.size());
    vBufferu_ += radky.size();
    if (vBufferu_ >= Davka)
        Vyprazdnit();
}

void VystupCp1250::Radek(std::string_view radek)
{
    if (vBufferu_ + radek.size() + 2 <= VelikostBufferu) {
        Zvetsit(vBufferu_ + radek.size() + 2);
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
            *cil++ = BezZalomeni(c);
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
    std::string bezZalomeni(radek.size() + 1, '\n');
    std::transform(radek.begin(), radek.end(), bezZalomeni.begin(), BezZalomeni);
    Text(bezZalomeni);
}

void VystupCp1250::Zvetsit(std::size_t potreba)
{
    if (potreba <= velikost_)
        return;
    // Doubling up to the full size: a short text, the usual case, takes a small buffer.
    const std::size_t velikost = std::min(std::max({potreba, 2 * velikost_, std::size_t(4096)}), VelikostBufferu);
    std::unique_ptr<char[]> vetsi(new char[velikost]);
    if (vBufferu_ > 0)
        std::memcpy(vetsi.get(), buffer_.get(), vBufferu_);
    buffer_ = std::move(vetsi);
    velikost_ = velikost;
}

void VystupCp1250::Vyprazdnit()
{
    Odeslat(std::string_view(buffer_.get(), vBufferu_));
    vBufferu_ = 0;
}

void VystupCp1250::Dokoncit()
{
    // Once only: a second round would put an empty file in place of the one just written.
    if (dokonceno_)
        return;
    dokonceno_ = true;
    Vyprazdnit();
    Uzavrit();
}

ZapisTextu::ZapisTextu(std::string cesta, const Disk& disk) : VystupCp1250(std::move(cesta)), disk_(disk) {}

ZapisTextu::~ZapisTextu()
{
    if (fd_ >= 0)
        ::close(fd_);
    if (!docasny_.empty())
        ::unlink(docasny_.c_str());
}

void ZapisTextu::Odeslat(std::string_view bajty)
{
    const std::string& cesta = Nazev();
    if (fd_ < 0 && docasny_.empty()) {
        cil_ = CilUlozeni(cesta, disk_);
        const std::string docasny = DocasnyNazev(cil_);
        fd_ = ::open(docasny.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0)
            Selhat("vytvořit", cesta, errno);
        docasny_ = docasny;
    }
    ZapsatVse(fd_, bajty, zapsano_, cesta, disk_);
    // The disk starts on this part while the text goes on, so the sync at the end waits for little.
    ::sync_file_range(fd_, static_cast<off_t>(zapsano_), static_cast<off_t>(bajty.size()), SYNC_FILE_RANGE_WRITE);
    zapsano_ += bajty.size();
}

void ZapisTextu::Uzavrit()
{
    const std::string& cesta = Nazev();
    if (::fsync(fd_) != 0 && errno != EINVAL)
        Selhat("zapsat", cesta, errno);
    const int zavreni = ::close(fd_);
    fd_ = -1;
    if (zavreni != 0)
        Selhat("zapsat", cesta, errno);
    disk_.Nahradit(docasny_, cil_, cesta);
    docasny_.clear();
}

NahradaSouboru::NahradaSouboru(std::string cesta, const Disk& disk)
    : disk_(disk), cesta_(std::move(cesta)), cil_(CilUlozeni(cesta_, disk_)), docasny_(DocasnyNazev(cil_))
{
    // The library reports a failure in its own words; whether the directory takes a new file is
    // found here first, so that the common failures are told as every other file's.
    const int fd = ::open(docasny_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        Selhat("vytvořit", cesta_, errno);
    ::close(fd);
    ::unlink(docasny_.c_str());
}

NahradaSouboru::~NahradaSouboru()
{
    if (!docasny_.empty())
        ::unlink(docasny_.c_str());
}

void NahradaSouboru::Nahradit()
{
    const Popisovac soubor(::open(docasny_.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat st;
    if (soubor.fd() < 0 || ::fstat(soubor.fd(), &st) != 0)
        Selhat("zapsat", cesta_, errno);
    const auto velikost = static_cast<std::size_t>(st.st_size);
    if (disk_.Misto(0, velikost) < velikost)
        Selhat("zapsat", cesta_, ENOSPC);
    if (::fsync(soubor.fd()) != 0 && errno != EINVAL)
        Selhat("zapsat", cesta_, errno);
    disk_.Nahradit(docasny_, cil_, cesta_);
    docasny_.clear();
}

std::string CilOdkazu(const std::string& cesta)
{
    // As many links as the system itself follows; a longer chain is a loop.
    std::string cil = cesta;
    for (int i = 0; i < 40; ++i) {
        struct stat st;
        if (::lstat(cil.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return cil;
        std::string odkaz(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
        const ssize_t n = ::readlink(cil.c_str(), odkaz.data(), odkaz.size());
        if (n < 0 || static_cast<std::size_t>(n) >= odkaz.size())
            return cil;
        odkaz.resize(static_cast<std::size_t>(n));
        cil = odkaz.starts_with('/') ? odkaz : Adresar(cil) + odkaz;
    }
    return cesta;
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

} // namespace lineon::soubor
