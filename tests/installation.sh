#!/usr/bin/env bash
# The installed tree used as another program uses it: installed into a temporary prefix, the
# C example built through the CMake package and through pkg-config, the Python script, and the
# installed program, each on the same example and with the same figures; then the Debian
# package, unpacked into a throwaway root: its program and Python package run from there.
#   installation.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
construction=$1 source=$2
prefixe=$(mktemp -d)
trap 'rm -rf "$prefixe"' EXIT
exemple=$source/examples/sci-du-parc.json
attendu=$source/examples/embed/loyer.txt

cmake --install "$construction" --prefix "$prefixe" > /dev/null
cmake -S "$source/examples/embed" -B "$prefixe/embed" -DCMAKE_PREFIX_PATH="$prefixe" > /dev/null
cmake --build "$prefixe/embed" > /dev/null
"$prefixe/embed/loyer" "$exemple" | diff -u "$attendu" -

export PKG_CONFIG_PATH=$prefixe/lib/pkgconfig
# shellcheck disable=SC2046 # the flags are words
cc -o "$prefixe/loyer" "$source/examples/embed/loyer.c" $(pkg-config --cflags --libs sci2072)
LD_LIBRARY_PATH=$prefixe/lib "$prefixe/loyer" "$exemple" | diff -u "$attendu" -

PYTHONPATH=$prefixe/lib/python3/dist-packages PYTHONDONTWRITEBYTECODE=1 \
  /usr/bin/python3 "$source/examples/embed/loyer.py" "$exemple" | diff -u "$attendu" -

"$prefixe/bin/sci2072" compute "$exemple" 2> /dev/null | cmp - "$source/examples/sci-du-parc.computed.json"
test -s "$prefixe/share/man/man1/sci2072.1"

# The Debian package: what it holds runs from wherever it is unpacked (a real installation puts
# it under /), and it names the libraries it needs.
(cd "$construction" && cpack -G DEB -B "$prefixe/paquet" > /dev/null)
paquet=$(echo "$prefixe"/paquet/sci2072_*.deb)
dpkg-deb -f "$paquet" Depends | grep -q libsimdjson
dpkg-deb -x "$paquet" "$prefixe/racine"
"$prefixe/racine/usr/bin/sci2072" compute "$exemple" 2> /dev/null | cmp - "$source/examples/sci-du-parc.computed.json"
PYTHONPATH=$prefixe/racine/usr/lib/python3/dist-packages PYTHONDONTWRITEBYTECODE=1 \
  /usr/bin/python3 "$source/examples/embed/loyer.py" "$exemple" | diff -u "$attendu" -
