#!/usr/bin/env bash
# instalace.sh BUILD_DIR: installs the build into a temporary prefix and checks what lands there:
# both programs in bin/ (the batch program runs from there), a valid desktop entry that opens a
# file with the desktop program, its icon, and the program's own file kinds, which the MIME
# database takes without a word; the installed desktop program run where it cannot write keeps
# its settings in the user's configuration directory.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'chmod -R u+w "$prefix"; rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null
for f in bin/lineon bin/lineon-cli share/applications/lineon.desktop \
         share/icons/hicolor/scalable/apps/lineon.svg share/mime/packages/lineon.xml; do
    [ -e "$prefix/$f" ] || { echo "FAIL: $f is not installed"; exit 1; }
done
desktop-file-validate "$prefix/share/applications/lineon.desktop"
grep -qx 'Exec=lineon %f' "$prefix/share/applications/lineon.desktop"
grep -q '^Categories=.*Engineering;' "$prefix/share/applications/lineon.desktop"
errors=$(XDG_DATA_DIRS="$prefix/share" update-mime-database "$prefix/share/mime" 2>&1 || true)
[ -z "$errors" ] || { echo "FAIL: update-mime-database: $errors"; exit 1; }
grep -q 'application/x-lineon-zamereni' "$prefix/share/mime/globs2"
usage=$("$prefix/bin/lineon-cli" 2>&1 || true)
[[ $usage == usage:\ lineon-cli* ]] || { echo "FAIL: the installed lineon-cli does not run: $usage"; exit 1; }
# Installed where its user cannot write, the desktop program keeps its settings in ~/.config/lineon/.
chmod -R a+rX "$prefix"
chmod a-w "$prefix/bin"
/usr/bin/python3 "$(dirname "$0")/nastaveni.py" "$prefix/bin/lineon"
echo "installed and valid: $prefix"
