"""Runs lineon-cli as a child process and measures it: exit status or signal, peak memory (the
child's own maximum resident set), time, and what it printed."""

import os
import signal
import tempfile
import time
from dataclasses import dataclass

CAS = "/usr/bin/time"

SANITIZER_REPORTS = ("ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:",
                     "UndefinedBehaviorSanitizer", "SUMMARY: AddressSanitizer")


@dataclass
class Beh:
    status: int | None  # exit status, None when a signal ended it or it hung
    signal: int | None
    hang: bool
    peak_mb: float
    seconds: float
    stdout: str
    stderr: str

    def sanitizer_report(self):
        return next((r for r in SANITIZER_REPORTS if r in self.stderr), None)


def spustit(cli, argumenty, timeout):
    """Runs `cli argumenty...` under GNU time, which reports the child's own peak memory (a child
    of this interpreter would carry the interpreter's memory into its maximum); kills it after
    `timeout` seconds."""
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err, \
            tempfile.NamedTemporaryFile(mode="r") as mereni:
        start = time.monotonic()
        akce = [(os.POSIX_SPAWN_OPEN, 0, os.devnull, os.O_RDONLY, 0),
                (os.POSIX_SPAWN_DUP2, out.fileno(), 1), (os.POSIX_SPAWN_DUP2, err.fileno(), 2)]
        pid = os.posix_spawn(CAS, [CAS, "-f", "%M", "-o", mereni.name, cli, *argumenty], os.environ,
                             file_actions=akce, setpgroup=0)
        hang = False
        while True:
            hotovo, status = os.waitpid(pid, os.WNOHANG)
            if hotovo == pid:
                break
            if time.monotonic() - start > timeout:
                hang = True
                os.killpg(pid, signal.SIGKILL)
                os.waitpid(pid, 0)
                break
            time.sleep(0.002)
        seconds = time.monotonic() - start
        zprava = mereni.read().splitlines()
        out.seek(0)
        err.seek(0)
        ukonceni = next((int(r.split()[-1]) for r in zprava if r.startswith("Command terminated by signal")), None)
        return Beh(status=None if hang or ukonceni is not None else os.WEXITSTATUS(status), signal=ukonceni,
                   hang=hang, peak_mb=int(zprava[-1]) / 1024.0 if zprava and zprava[-1].isdigit() else 0.0,
                   seconds=seconds, stdout=out.read().decode("utf-8", "replace"),
                   stderr=err.read().decode("utf-8", "replace"))
