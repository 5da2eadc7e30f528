#!/bin/sh
# SPDX-FileCopyrightText: 2026 the Tavrin developers
# SPDX-License-Identifier: MIT
#
# build-libmdb.sh SRC OUT: builds libmdb from the mdbtools 1.0.0 sources in
# SRC with the fuzzer's instrumentation (AddressSanitizer, UndefinedBehavior-
# Sanitizer, coverage) into OUT/lib/libmdb.a, with OUT/include for its
# headers and OUT/lib/pkgconfig/libmdb.pc for CMake. Three compilers at a time.
set -eu
if [ $# -ne 2 ] || [ ! -f "$1/include/mdbtools.h.in" ]; then
    echo "usage: build-libmdb.sh MDBTOOLS-1.0.0-SOURCE OUT" >&2
    exit 2
fi
src=$(cd "$1" && pwd)
mkdir -p "$2/include" "$2/obj" "$2/lib/pkgconfig"
out=$(cd "$2" && pwd)

# The headers configure would write, for a glibc system with iconv.
sed -e 's/@HAVE_ICONV_H@/1/; s/@HAVE_XLOCALE_H@/0/' \
    -e 's/#include <@[A-Z_]*@>/#include <glib.h>/' \
    -e 's/typedef @[A-Z_]*@ mdb_locale_t/typedef locale_t mdb_locale_t/' \
    "$src/include/mdbtools.h.in" > "$out/include/mdbtools.h"
sed -e 's/@PACKAGE@/mdbtools/; s/@VERSION@/1.0.0/' \
    "$src/include/mdbver.h.in" > "$out/include/mdbver.h"

flags="-g -O1 -fno-omit-frame-pointer -fsanitize=address,undefined,fuzzer-no-link"
flags="$flags -fno-sanitize-recover=undefined -w"
flags="$flags -DHAVE_ICONV -DICONV_CONST= -DTLS=__thread -DHAVE_ATTRIBUTE_ALIAS"
flags="$flags -I$out/include -I$src/include $(pkg-config --cflags glib-2.0)"
sources="catalog file table data dump backend money sargs index like write stats map props
         worktable options iconv version rc4"
printf '%s\n' $sources |
    xargs -P3 -I{} sh -c "clang $flags -c '$src/src/libmdb/{}.c' -o '$out/obj/{}.o'"
rm -f "$out/lib/libmdb.a"
ar rcs "$out/lib/libmdb.a" "$out"/obj/*.o

cat > "$out/lib/pkgconfig/libmdb.pc" <<PC
prefix=$out
Name: libmdb
Description: libmdb 1.0.0 built for fuzzing
Requires: glib-2.0
Version: 1.0.0
Libs: -L\${prefix}/lib -lmdb
Cflags: -I\${prefix}/include
PC
echo "libmdb for fuzzing: $out/lib/libmdb.a"
