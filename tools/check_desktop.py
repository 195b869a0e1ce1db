#!/usr/bin/env python3
"""tools/check_desktop.py LINEON PICTURES [EXAMPLES]

Runs the desktop program LINEON as a user would: under Xvfb (1920x1080) with a window manager
(IceWM and its task bar), driven by xdotool from the keyboard and the mouse on the example sewer
and the example survey. It checks that

- the menus open with Alt and their letters and with F10, and the shortcuts run their commands
  (Ctrl+O, Ctrl+Shift+S, F9, Insert, Delete, Ctrl+C, Ctrl+V on the focused point table);
- every side window (coordinate list, both conversion windows, outputs dialog, written profile,
  comparison-plane dialog, preview) opens wholly on the screen, off the caption and menu bar of
  the main window, belongs to the main window (WM_TRANSIENT_FOR) and is not kept above everything;
- a file dialog and a message box open above all side windows;
- a row dialog has no close box, takes Escape, and leaves the side windows usable while it
  disables the main window;
- a place the user gave a side window holds when it opens again;

and saves pictures of the screen with the side windows open into PICTURES. Ends with the line
"N passed, M failed" and a non-zero status on any failure.
"""

import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

from PIL import Image, ImageChops, ImageGrab

SIRKA, VYSKA = 1920, 1080
# The height of the main window's menu bar, below the top of its client area.
VYSKA_MENU = 19


class Plocha:
    """An X server with a window manager, and the helpers that look at it and type into it."""

    def __init__(self, prace):
        self.prace = prace
        cteni, zapis = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(zapis), "-screen", "0", f"{SIRKA}x{VYSKA}x24", "-nolisten", "tcp"],
            pass_fds=[zapis], stderr=subprocess.DEVNULL)
        os.close(zapis)
        cislo = b""
        while not cislo.endswith(b"\n"):
            kus = os.read(cteni, 16)
            if not kus:
                raise RuntimeError("Xvfb did not start")
            cislo += kus
        os.close(cteni)
        self.displej = ":" + cislo.decode().strip()
        self.env = dict(os.environ, DISPLAY=self.displej, HOME=prace, XDG_CONFIG_HOME=prace)
        self.env.pop("QT_QPA_PLATFORM", None)
        self.zaznam = os.path.join(prace, "icewm.log")
        with open(self.zaznam, "w") as zaznam:
            self.spravce = subprocess.Popen(["icewm"], env=self.env, stdout=zaznam, stderr=zaznam)
        try:
            self.cekat(lambda: "window id" in self.prop("-root", "_NET_SUPPORTING_WM_CHECK"), "the window manager", 60)
        except RuntimeError:
            with open(self.zaznam) as zaznam:
                print(f"icewm on {self.displej} (status {self.spravce.poll()}):\n" + zaznam.read(), flush=True)
            self.konec()
            raise
        self.cekat(lambda: self.pracovni_plocha()[3] < VYSKA, "the task bar")

    def konec(self):
        for proces in (self.spravce, self.xvfb):
            proces.terminate()
            proces.wait(timeout=10)

    def spustit(self, *prikaz):
        try:
            return subprocess.run(prikaz, env=self.env, capture_output=True, text=True, timeout=15).stdout
        except subprocess.TimeoutExpired as chyba:
            raise RuntimeError(" ".join(prikaz) + " did not end") from chyba

    def prop(self, *argumenty):
        return self.spustit("xprop", *argumenty)

    def cekat(self, podminka, co, limit=20.0):
        konec = time.monotonic() + limit
        while time.monotonic() < konec:
            vysledek = podminka()
            if vysledek:
                return vysledek
            time.sleep(0.1)
        raise RuntimeError("waited in vain for " + co)

    def okna(self, nazev):
        vystup = self.spustit("xdotool", "search", "--onlyvisible", "--name", nazev)
        return [int(w) for w in vystup.split()]

    def okno(self, nazev, limit=20.0):
        return self.cekat(lambda: (self.okna(nazev) or [None])[0], "a window " + nazev, limit)

    def zmizi(self, okno, limit=10.0):
        self.cekat(lambda: okno not in self.okna("."), "window %d to close" % okno, limit)

    def aktivovat(self, okno):
        self.spustit("xdotool", "windowactivate", "--sync", str(okno))
        self.cekat(lambda: self.spustit("xdotool", "getactivewindow").strip() == str(okno), "activation")
        time.sleep(0.3)

    def klavesy(self, *klavesy):
        for klavesa in klavesy:
            self.spustit("xdotool", "key", "--clearmodifiers", klavesa)
            time.sleep(0.25)

    def napsat(self, text):
        self.spustit("xdotool", "type", "--delay", "20", text)

    def cisla(self, *argumenty):
        return [int(c) for c in re.findall(r"-?\d+", self.prop(*argumenty).split("=", 1)[-1])]

    def pracovni_plocha(self):
        hodnoty = self.cisla("-root", "_NET_WORKAREA")
        return tuple(hodnoty[:4]) if len(hodnoty) >= 4 else (0, 0, SIRKA, VYSKA)

    def klient(self, okno):
        info = self.spustit("xwininfo", "-id", str(okno))
        cislo = lambda popis: int(re.search(popis + r":\s+(-?\d+)", info).group(1))
        return (cislo("Absolute upper-left X"), cislo("Absolute upper-left Y"), cislo("Width"), cislo("Height"))

    def ramecek(self, okno):
        """The window with its frame: x, y, width, height."""
        x, y, w, h = self.klient(okno)
        okraje = self.cisla("-id", str(okno), "_NET_FRAME_EXTENTS") or [0, 0, 0, 0]
        vlevo, vpravo, nahore, dole = okraje[:4]
        return (x - vlevo, y - nahore, w + vlevo + vpravo, h + nahore + dole)

    def nad_ostatnimi(self):
        """The windows from the bottom of the stack to its top."""
        return self.cisla("-root", "_NET_CLIENT_LIST_STACKING")

    def snimek(self, cesta=None):
        obraz = ImageGrab.grab(xdisplay=self.displej)
        if cesta:
            obraz.save(cesta)
        return obraz


def prunik(a, b):
    return a[0] < b[0] + b[2] and b[0] < a[0] + a[2] and a[1] < b[1] + b[3] and b[1] < a[1] + a[3]


def uvnitr(a, b):
    return a[0] >= b[0] and a[1] >= b[1] and a[0] + a[2] <= b[0] + b[2] and a[1] + a[3] <= b[1] + b[3]


class Kontrola:
    def __init__(self, plocha, lineon, obrazky, priklady):
        self.p = plocha
        self.lineon = lineon
        self.obrazky = obrazky
        self.priklady = priklady
        self.uspechy = 0
        self.chyby = []

    def over(self, podminka, co):
        if podminka:
            print("ok: " + co, flush=True)
            self.uspechy += 1
        else:
            self.chyby.append(co)
            print("FAILED: " + co, flush=True)

    def zahlavi(self):
        x, y, w, _ = self.p.ramecek(self.hlavni)
        _, ky, _, _ = self.p.klient(self.hlavni)
        return (x, y, w, ky + VYSKA_MENU - y)

    def vedle(self, okno, nazev):
        """A side window just opened."""
        ramecek = self.p.ramecek(okno)
        print(f"{nazev}: {ramecek} (main window {self.p.ramecek(self.hlavni)}, menu bar {self.zahlavi()})", flush=True)
        self.over(uvnitr(ramecek, self.p.pracovni_plocha()), nazev + " lies wholly on the screen")
        self.over(not prunik(ramecek, self.zahlavi()), nazev + " leaves the main window's menu bar free")
        self.over(str(hex(self.hlavni)) in self.p.prop("-id", str(okno), "WM_TRANSIENT_FOR"),
                  nazev + " belongs to the main window")
        self.over("ABOVE" not in self.p.prop("-id", str(okno), "_NET_WM_STATE"),
                  nazev + " is not kept above every window")
        return ramecek

    def nahore(self, okno, postranni, nazev):
        poradi = self.p.nad_ostatnimi()
        self.over(all(poradi.index(okno) > poradi.index(s) for s in postranni if s in poradi),
                  nazev + " stands above every side window")

    def obrazek(self, nazev):
        time.sleep(0.6)
        self.p.snimek(os.path.join(self.obrazky, nazev))

    def po_zpravach(self, nazev):
        """The window that opens after the message boxes before it, each one confirmed."""
        def okno():
            for zprava in self.p.okna("^Lineon 2.11$"):
                self.p.aktivovat(zprava)
                self.p.klavesy("Return")
            return (self.p.okna(nazev) or [None])[0]
        return self.p.cekat(okno, "a window " + nazev)

    def z_hlavniho(self, nazev, *klavesy):
        """Keys typed into the main window, then the window they open."""
        self.p.aktivovat(self.hlavni)
        self.p.klavesy(*klavesy)
        return self.p.okno(nazev)

    def zrusit(self, okno):
        """Escape in a window, which closes it."""
        self.p.aktivovat(okno)
        self.p.klavesy("Escape")
        self.p.zmizi(okno)

    def otevrit_soubor(self, nazev_dialogu, cesta):
        dialog = self.p.okno(nazev_dialogu)
        self.p.aktivovat(dialog)
        self.p.napsat(cesta)
        self.p.klavesy("Return")
        self.p.zmizi(dialog)

    def importovat(self):
        self.p.aktivovat(self.hlavni)
        self.p.klavesy("alt+s", "i")
        self.otevrit_soubor("^Importovat$", os.path.join(self.p.prace, "zamereni_kanalizace.txt"))
        # The import tells which lines it left out.
        return self.po_zpravach("^Seznam sou.+$")

    def probehnout(self):
        p = self.p
        for nazev in ("kanalizace.csv", "zamereni_kanalizace.txt"):
            shutil.copy(os.path.join(self.priklady, nazev), p.prace)
        program = subprocess.Popen([self.lineon], cwd=p.prace, env=p.env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        try:
            self.hlavni = p.okno("^Lineon 2.11 - ")
            p.aktivovat(self.hlavni)
            self.over(uvnitr(p.ramecek(self.hlavni), p.pracovni_plocha()), "the main window lies on the screen")

            # Ctrl+O and the file dialog.
            p.klavesy("ctrl+o")
            self.otevrit_soubor("^Otev", os.path.join(p.prace, "kanalizace.csv"))
            self.over(bool(p.cekat(lambda: p.okna("kanalizace.csv$"), "the project in the caption")),
                      "Ctrl+O opens a project")

            # Alt+S shows "Soubor" with its letters; "I" is "Import".
            p.aktivovat(self.hlavni)
            p.klavesy("alt+s")
            self.obrazek("plocha-menu-soubor.png")
            p.klavesy("Escape", "Escape")
            seznam = self.importovat()
            self.over(True, "Alt+S and I open the import dialog")
            ramecek_seznamu = self.vedle(seznam, "the coordinate list")

            # The conversion windows from the list's own menu.
            p.aktivovat(seznam)
            p.klavesy("alt+n", "r")
            rucni = p.okno("^Ru.+evod$")
            ramecek_rucniho = self.vedle(rucni, "the manual conversion")
            p.aktivovat(seznam)
            p.klavesy("alt+n", "a")
            automaticky = p.okno("^Automati.+evod$")
            self.vedle(automaticky, "the automatic conversion")
            if prunik(ramecek_seznamu, ramecek_rucniho):
                print("(the screen has no room for the manual conversion beside the coordinate list)")

            # The outputs dialog ("Nastavení", "Nastavení"): the written profile goes on screen too.
            nastaveni = self.z_hlavniho("^Nastaven.+$", "alt+n", "n")
            self.vedle(nastaveni, "the outputs dialog")
            # From the tab bar to "na obrazovku" of "Psaný podélný profil", past the GeoPackage's
            # check box and file name.
            p.klavesy(*(["Tab"] * 12), "space")
            self.obrazek("plocha-nastaveni.png")
            self.zrusit(nastaveni)
            postranni = [seznam, rucni, automaticky]

            # F9: the written profile and the comparison-plane dialog.
            p.aktivovat(self.hlavni)
            p.klavesy("F9")
            # The calculation reports the connections it moved onto the line.
            rovina = self.po_zpravach("^Informace o srovn.+$")
            psany = p.okno("^Psan.+profil$")
            self.over(True, "F9 runs the calculation")
            self.vedle(psany, "the written profile")
            self.vedle(rovina, "the comparison-plane dialog")
            postranni += [psany]
            self.obrazek("plocha-vypocet.png")
            p.aktivovat(rovina)
            p.klavesy("Return")
            p.zmizi(rovina)
            nahled = p.okno("^Pod.+profil$")
            self.vedle(nahled, "the profile preview")
            postranni += [nahled]

            # Every side window but the plane dialog, with the outputs dialog open again.
            nastaveni = self.z_hlavniho("^Nastaven.+$", "alt+n", "n")
            self.obrazek("plocha-vsechna-okna.png")
            self.zrusit(nastaveni)

            # A file dialog opens above the side windows.
            ulozit = self.z_hlavniho("^Ulo.+jako$", "ctrl+shift+s")
            self.over(True, "Ctrl+Shift+S opens the save dialog")
            self.nahore(ulozit, postranni, "the save dialog")
            self.obrazek("plocha-ulozit-jako.png")
            self.zrusit(ulozit)

            # The row commands on the focused point table; a message box above the side windows.
            otazka = self.z_hlavniho("^Lineon 2.11$", "Delete")
            self.over(True, "Delete asks before a row with data goes")
            self.nahore(otazka, postranni, "a message box")
            self.zrusit(otazka)
            p.aktivovat(self.hlavni)
            p.klavesy("Insert", "Delete")
            time.sleep(1.0)
            self.over(not p.okna("^Lineon 2.11$"), "Insert puts an empty row in, which Delete takes away unasked")
            p.klavesy("ctrl+c", "Down", "ctrl+v")
            otazka = p.okno("^Lineon 2.11$")
            self.over(True, "Ctrl+C and Ctrl+V paste the row, asking first")
            self.zrusit(otazka)

            # The point dialog: no close box, the side windows stay usable, Escape cancels.
            dialog = self.z_hlavniho("^Z.+znam .+ 1$", "Up", "Return")
            self.over("CLOSE" not in p.prop("-id", str(dialog), "_NET_WM_ALLOWED_ACTIONS"),
                      "the point dialog has no close box")
            self.over(str(hex(self.hlavni)) in p.prop("-id", str(dialog), "WM_TRANSIENT_FOR"),
                      "the point dialog belongs to the main window")
            # Tab moves the focus on in the manual conversion: the window takes the keyboard.
            p.aktivovat(rucni)
            x, y, w, h = p.klient(rucni)
            pred = p.snimek().crop((x, y, x + w, y + h))
            p.klavesy("Tab")
            time.sleep(0.3)
            po = p.snimek().crop((x, y, x + w, y + h))
            self.over(ImageChops.difference(pred.convert("RGB"), po.convert("RGB")).getbbox() is not None,
                      "the manual conversion takes a key while the point dialog is open")
            self.obrazek("plocha-dialog-bodu.png")
            self.zrusit(dialog)
            self.over(True, "Escape cancels the point dialog")

            # A place the user chose holds when the window opens again.
            # Dragged by its caption, as a user moves a window.
            fx, fy, fw, _ = p.ramecek(seznam)
            _, ky, _, _ = p.klient(seznam)
            p.spustit("xdotool", "mousemove", str(fx + fw // 2), str((fy + ky) // 2), "mousedown", "1")
            for krok in range(1, 11):
                p.spustit("xdotool", "mousemove", str(fx + fw // 2 - krok * (fx - 60) // 10),
                          str((fy + ky) // 2 + krok * (600 - fy) // 10))
                time.sleep(0.05)
            p.spustit("xdotool", "mouseup", "1")
            p.cekat(lambda: p.ramecek(seznam)[0] < 200, "the coordinate list to move")
            time.sleep(0.5)
            zvoleny = p.ramecek(seznam)
            p.aktivovat(seznam)
            p.klavesy("alt+F4")
            p.zmizi(seznam)
            seznam = self.importovat()
            znovu = p.ramecek(seznam)
            self.over(abs(znovu[0] - zvoleny[0]) <= 2 and abs(znovu[1] - zvoleny[1]) <= 2,
                      f"the coordinate list opens again where the user put it ({zvoleny[:2]} and {znovu[:2]})")
        except RuntimeError:
            self.p.snimek(os.path.join(self.obrazky, "plocha-chyba.png"))
            raise
        finally:
            program.send_signal(signal.SIGTERM)
            try:
                program.wait(timeout=10)
            except subprocess.TimeoutExpired:
                program.kill()


def main():
    if len(sys.argv) < 3:
        print(__doc__)
        return 2
    lineon, obrazky = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    priklady = os.path.abspath(sys.argv[3]) if len(sys.argv) > 3 else \
        os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "examples")
    os.makedirs(obrazky, exist_ok=True)
    prace = tempfile.mkdtemp(prefix="lineon-plocha-")
    kontrola = Kontrola(None, lineon, obrazky, priklady)
    try:
        # An X server or window manager that does not come up is started once more.
        try:
            kontrola.p = Plocha(prace)
        except RuntimeError:
            kontrola.p = Plocha(prace)
        kontrola.probehnout()
    except RuntimeError as chyba:
        kontrola.over(False, str(chyba))
    finally:
        if kontrola.p:
            kontrola.p.konec()
        shutil.rmtree(prace, ignore_errors=True)
    print(f"{kontrola.uspechy} passed, {len(kontrola.chyby)} failed")
    return 1 if kontrola.chyby else 0


if __name__ == "__main__":
    sys.exit(main())
