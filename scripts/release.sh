#!/usr/bin/env bash
# Builds the Windows release and packs it for users:
#   dist/OrvexLog-VERSION.zip
#     OrvexLog/OrvexLog.exe   Release build, stripped
#     OrvexLog/readme.txt     docs/readme.ja.txt in Shift-JIS (CP932), CRLF
# One top folder, so whatever extractor a user has, the program lands in a
# folder of its own: its settings file is created beside it.
#
#   scripts/release.sh                       install what is missing, build in
#                                            build/release, pack into dist/
#   scripts/release.sh --build DIR           build in DIR instead
#   scripts/release.sh --from BUILD --out DIR   pack BUILD/OrvexLog.exe (an
#                                            existing Windows build) into DIR
# The same commit gives the same bytes: the build folder starts empty, the
# link leaves out its time stamp, and the zip's entries have fixed times,
# order and attributes.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

fail() {
    echo "release: $*" >&2
    exit 1
}

from= out=$root/dist build=$root/build/release
while (($# > 0)); do
    case $1 in
    --from) from=${2:?--from needs a build folder}; shift 2 ;;
    --build) build=${2:?--build needs a folder}; shift 2 ;;
    --out) out=${2:?--out needs a folder}; shift 2 ;;
    *) echo "usage: $0 [--build DIR | --from BUILD_DIR] [--out DIR]" >&2; exit 2 ;;
    esac
done

if [[ -z $from ]]; then
    bash "$root/scripts/install-deps.sh"
    # Nothing from an earlier configure or build (a cached option, a stale
    # object) may reach the release: the folder starts empty. Only a CMake
    # build folder is emptied.
    if [[ -e $build ]]; then
        [[ -f $build/CMakeCache.txt || -z $(ls -A "$build") ]] ||
            fail "$build is not empty and not a CMake build folder"
        rm -rf "$build"
    fi
    from=$build
    cmake -S "$root" -B "$from" -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-i686.cmake \
        -DCMAKE_BUILD_TYPE=Release -DORVEXLOG_TESTS=OFF
    cmake --build "$from" -j2 --target OrvexLog
fi
from=$(realpath "$from")

cache_value() { sed -n "s/^$1:[A-Z]*=//p" "$from/CMakeCache.txt" | head -n 1; }
[[ -f $from/CMakeCache.txt ]] || fail "$from is not a CMake build folder"
[[ -f $from/OrvexLog.exe ]] || fail "$from/OrvexLog.exe is missing: build it first"
version=$(cache_value CMAKE_PROJECT_VERSION)
[[ $version =~ ^[0-9]+\.[0-9]+$ ]] || fail "no project version in $from/CMakeCache.txt"
strip=$(cache_value CMAKE_STRIP)
[[ -x $strip ]] || fail "no strip tool for the Windows build (CMAKE_STRIP='$strip')"
build_type=$(cache_value CMAKE_BUILD_TYPE)
[[ $build_type == Release ]] || echo "release: warning: $from is a '$build_type' build, not Release" >&2

stage=$(mktemp -d "${TMPDIR:-/tmp}/orvexlog-release.XXXXXX")
trap 'rm -rf "$stage"' EXIT

# The program: symbols stay out of what users download (a Release link already
# strips; a copy from another build type is stripped here).
# strip writes a new time stamp into the PE header, the current time unless
# SOURCE_DATE_EPOCH says otherwise: 0, as the link leaves it.
cp "$from/OrvexLog.exe" "$stage/OrvexLog.exe"
SOURCE_DATE_EPOCH=0 "$strip" --strip-all "$stage/OrvexLog.exe"

# The readme: UTF-8 with LF in the source tree, Shift-JIS with CRLF for users.
# A character without a CP932 form, or one that CP932 would turn into another
# (a yen sign becomes a backslash), stops the release.
readme=$root/docs/readme.ja.txt
[[ -s $readme ]] || fail "$readme is missing"
if LC_ALL=C grep -q $'\r' "$readme"; then
    fail "$readme must have LF line ends only"
fi
[[ -z $(tail -c 1 "$readme") ]] || fail "$readme must end with a line end"
if ! iconv -f UTF-8 -t CP932 "$readme" >"$stage/readme.sjis" 2>"$stage/iconv.err"; then
    cat "$stage/iconv.err" >&2
    n=0
    while IFS= read -r line; do
        n=$((n + 1))
        printf '%s\n' "$line" | iconv -f UTF-8 -t CP932 >/dev/null 2>&1 ||
            echo "$readme:$n: no Shift-JIS (CP932) form: $line" >&2
    done <"$readme"
    fail "readme not converted"
fi
if ! iconv -f CP932 -t UTF-8 "$stage/readme.sjis" | cmp -s - "$readme"; then
    iconv -f CP932 -t UTF-8 "$stage/readme.sjis" | { diff "$readme" - || true; } |
        sed -n "s|^< |$readme: changed by CP932: |p" >&2
    fail "readme has characters that CP932 does not keep"
fi
LC_ALL=C sed 's/$/\r/' "$stage/readme.sjis" >"$stage/readme.txt"

# The zip, with fixed entry times (the source commit's, on the users' clock,
# Japan time) so the same sources give the same archive.
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct 2>/dev/null || date +%s)}
if [[ -n $(git -C "$root" status --porcelain --untracked-files=no 2>/dev/null) ]]; then
    echo "release: warning: the sources have uncommitted changes; the zip is not the commit's" >&2
fi
name=OrvexLog-$version.zip
mkdir -p "$out"
python3 - "$stage/$name" "$epoch" "$stage/OrvexLog.exe" "$stage/readme.txt" <<'PY'
import sys, time, zipfile
zip_path, epoch, exe, readme = sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4]
stamp = time.gmtime(max(epoch, 315532800) + 9 * 3600)[:6]  # zip times start in 1980
with zipfile.ZipFile(zip_path, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as z:
    for source, entry in ((exe, "OrvexLog/OrvexLog.exe"), (readme, "OrvexLog/readme.txt")):
        info = zipfile.ZipInfo(entry, date_time=stamp)
        info.create_system = 0          # made on "DOS": no Unix modes for extractors to apply
        info.external_attr = 0x20       # FILE_ATTRIBUTE_ARCHIVE
        info.compress_type = zipfile.ZIP_DEFLATED
        with open(source, "rb") as f:
            z.writestr(info, f.read(), compresslevel=9)
PY
mv -f "$stage/$name" "$out/$name"

echo "$out/$name"
python3 -c '
import sys, zipfile, hashlib
p = sys.argv[1]
for i in zipfile.ZipFile(p).infolist():
    print(f"  {i.filename:<24}{i.file_size:>10} bytes")
print("  sha256", hashlib.sha256(open(p, "rb").read()).hexdigest())
' "$out/$name"
