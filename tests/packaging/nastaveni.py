#!/usr/bin/env python3
"""tests/packaging/nastaveni.py LINEON

Runs an installed desktop program LINEON whose directory it cannot write, as a user would: under
Xvfb with a window manager, ended with "Soubor", "Konec". The settings "$nastav" and "$doplnky"
must then be in the user's configuration directory (~/.config/lineon/ without XDG_CONFIG_HOME)
and nothing beside the program. The superuser may write everywhere, so as root the program runs
as "nobody"."""

import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
from check_desktop import Plocha  # noqa: E402


def main():
    lineon = os.path.abspath(sys.argv[1])
    program = os.path.dirname(lineon)
    prace = tempfile.mkdtemp(prefix="lineon-nastaveni-")
    domov = os.path.join(prace, "domov")
    os.makedirs(domov)
    uzivatel = []
    if os.geteuid() == 0:
        os.chmod(prace, 0o755)
        shutil.chown(domov, "nobody", "nogroup")
        uzivatel = ["setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"]
    p = None
    try:
        p = Plocha(prace)
        env = dict(p.env, HOME=domov, QT_QPA_PLATFORM="xcb")
        env.pop("XDG_CONFIG_HOME")
        beh = subprocess.Popen(uzivatel + [lineon], cwd=domov, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        okno = p.okno("^Lineon 2.11 - ")
        p.aktivovat(okno)
        p.klavesy("alt+s", "k")
        beh.wait(timeout=20)
        chyby = beh.stderr.read().decode(errors="replace")
    finally:
        if p:
            p.konec()
    konfigurace = os.path.join(domov, ".config", "lineon")
    vysledek = 0
    for nazev in ("$nastav", "$doplnky"):
        if not os.path.isfile(os.path.join(konfigurace, nazev)):
            print(f"FAIL: {nazev} is not in {konfigurace}")
            vysledek = 1
        if os.path.exists(os.path.join(program, nazev)):
            print(f"FAIL: {nazev} was written beside the program")
            vysledek = 1
    if vysledek:
        print("stderr of the program:\n" + chyby)
    else:
        print(f"the settings are in {konfigurace}")
    shutil.rmtree(prace, ignore_errors=True)
    return vysledek


if __name__ == "__main__":
    sys.exit(main())
