#pragma once

#include "zaklad/RadkovyVystup.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The file layer: every file of the program is read and written here, as code page 1250 with
// CR LF line ends outside and UTF-8 text with "\n" inside.
namespace lineon::soubor {

/// A regular file open for reading. A FIFO, a device or a directory is refused at once ("Soubor
/// „…“ není obyčejný soubor."): reading one could block for ever or never end. Throws Chyba naming
/// the file when it cannot be opened or read.
class VstupniSoubor {
public:
    explicit VstupniSoubor(std::string cesta);
    ~VstupniSoubor();
    VstupniSoubor(const VstupniSoubor&) = delete;
    VstupniSoubor& operator=(const VstupniSoubor&) = delete;

    /// Up to `n` bytes into `cil`; 0 at the end of the file.
    std::size_t Cist(char* cil, std::size_t n);
    const std::string& Cesta() const { return cesta_; }

private:
    std::string cesta_;
    int fd_ = -1;
};

/// The disk the files of the file layer are created on. This one is the system's and takes what
/// the system takes; a test hands a writer one that refuses to create a file or is full after some
/// bytes of each file, to see that the previous file stays.
class Disk {
public:
    virtual ~Disk() = default;

    /// The error number with which creating a file fails; 0 when the system is left to tell.
    virtual int ChybaVytvoreni() const { return 0; }

    /// How many of `n` bytes that follow the first `zapsano` bytes of a file fit; fewer than `n`
    /// make the write fail as on a full disk.
    virtual std::size_t Misto(std::size_t zapsano, std::size_t n) const
    {
        static_cast<void>(zapsano);
        return n;
    }

    /// Puts a finished temporary file in place of the file `cil` (the end of the links of
    /// `cesta`, which messages name). Throws Chyba when it cannot.
    virtual void Nahradit(const std::string& docasny, const std::string& cil, const std::string& cesta) const;
};

/// The system's disk, which every writer uses unless it is handed another.
const Disk& SystemovyDisk();

/// Writes text whose lines end with "\n" as code page 1250 with CR LF, as `ZapisTextu` does, in
/// one piece.
void ZapsatText(const std::string& cesta, std::string_view utf8, const Disk& disk = SystemovyDisk());

/// The conversion both outputs share: text whose lines end with "\n" is converted to code page
/// 1250 with CR LF into one buffer, which goes out (`Odeslat`) whenever it holds a quarter of a
/// megabyte, and once more at the end. Throws Chyba naming the output when a text has a character
/// code page 1250 lacks.
class VystupCp1250 : public RadkovyVystup {
public:
    explicit VystupCp1250(std::string nazev);
    VystupCp1250(const VystupCp1250&) = delete;
    VystupCp1250& operator=(const VystupCp1250&) = delete;

    void Text(std::string_view utf8) override;
    /// The writers of millions of short lines use it.
    void Radek(std::string_view radek) override;
    void RadkyAscii(std::string_view radky) override;
    void Dokoncit() override;
    const std::string& Nazev() const override { return nazev_; }

protected:
    ~VystupCp1250() override;
    /// The bytes of the buffer go out.
    virtual void Odeslat(std::string_view bajty) = 0;
    /// After the last bytes went out.
    virtual void Uzavrit() {}

private:
    /// The buffer holds at least `potreba` bytes (at most its full size).
    void Zvetsit(std::size_t potreba);
    void Vyprazdnit();

    std::string nazev_;
    std::unique_ptr<char[]> buffer_; ///< grows with the text up to its full size
    std::size_t velikost_ = 0;
    std::size_t vBufferu_ = 0;
    bool dokonceno_ = false;
};

/// A text file written piece by piece: the buffer goes out to a temporary file in the target's
/// directory, and `Dokoncit` renames it over the target. The temporary file is created with the
/// first buffer that goes out, so a text shorter than that is checked whole before any file is
/// touched. A writer that ends without `Dokoncit` (a failure, an exception of its caller) removes
/// its temporary file, so the previous file stays as it was. Throws Chyba naming the file.
class ZapisTextu final : public VystupCp1250 {
public:
    explicit ZapisTextu(std::string cesta, const Disk& disk = SystemovyDisk());
    ~ZapisTextu() override;

private:
    void Odeslat(std::string_view bajty) override;
    void Uzavrit() override;

    const Disk& disk_;
    std::string cil_;     ///< the file replaced: the path, or the file a link there points to
    std::string docasny_; ///< the temporary file, once created
    int fd_ = -1;
    std::size_t zapsano_ = 0; ///< bytes of the file written so far
};

/// The bytes a file would get, kept in memory.
class PametovyVystup final : public VystupCp1250 {
public:
    explicit PametovyVystup(std::string nazev = "") : VystupCp1250(std::move(nazev)) {}
    ~PametovyVystup() override = default;

    /// What was written so far and went out: everything once `Dokoncit` was called.
    const std::string& Bajty() const { return bajty_; }

private:
    void Odeslat(std::string_view bajty) override { bajty_ += bajty; }

    std::string bajty_;
};

/// A file that a library writes by its name, where no sink of ours can stand between: `Docasny`
/// names a temporary file in the target's directory, which the library creates and writes;
/// `Nahradit` flushes it to the disk and renames it over the target. Ended without `Nahradit` (a
/// failure, an exception of its caller), it removes the temporary file, so the previous file stays
/// as it was. Throws Chyba naming the target: at once when no file can be created in its directory.
class NahradaSouboru {
public:
    explicit NahradaSouboru(std::string cesta, const Disk& disk = SystemovyDisk());
    ~NahradaSouboru();
    NahradaSouboru(const NahradaSouboru&) = delete;
    NahradaSouboru& operator=(const NahradaSouboru&) = delete;

    const std::string& Docasny() const { return docasny_; }
    void Nahradit();

private:
    const Disk& disk_;
    std::string cesta_;
    std::string cil_; ///< the file replaced: `cesta_`, or the file a link there points to
    std::string docasny_;
};

/// The file a path names once symbolic links are followed: a save replaces that file and keeps
/// the link. A path that is no link (or a loop of links) stands for itself.
std::string CilOdkazu(const std::string& cesta);

/// Whether a file (not a directory) of that name exists.
bool Existuje(const std::string& cesta);

/// The directory part of a path, ending with "/" ("" for a bare name).
std::string Adresar(const std::string& cesta);

} // namespace lineon::soubor
