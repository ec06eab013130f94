#!/usr/bin/env bash
# Builds the course file fuzzer with clang in build-fuzz/, makes seeds from the tiny test course
# and the sample course (and any course files given), and runs it: ./fuzz/run.sh [runs (1000000)] [course files...]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
runs=${1:-1000000}
shift || true
for pkg in clang libclang-rt-14-dev; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "ok installed" ||
        { echo "fuzz/run.sh needs the Debian package $pkg" >&2; exit 2; }
done
cmake -S "$root/fuzz" -B "$root/build-fuzz" -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$root/build-fuzz" -j2
# The seeds: the tiny test course written by the normal build's coursepack.
cmake --build "$root/build" --target coursepack >/dev/null
seeds="$root/build-fuzz/seeds"
rm -rf "$seeds" && mkdir -p "$seeds" "$root/build-fuzz/corpus"
"$root/build/tools/coursepack/coursepack" --file "$seeds/tiny.larkspur" \
    "$root/tests/data/tinycourse" >/dev/null 2>&1
"$root/build/tools/coursepack/coursepack" --file "$seeds/pets.larkspur" \
    "$root/samples/pets" >/dev/null 2>&1
python3 "$root/fuzz/make_seeds.py" "$seeds/corpus" "$seeds/tiny.larkspur" "$seeds/pets.larkspur" "$@"
cd "$root/build-fuzz"
ASAN_OPTIONS=allocator_may_return_null=1 \
    ./coursefile_fuzzer -runs="$runs" -max_len=28000 -rss_limit_mb=4096 -timeout=30 \
    -print_final_stats=1 corpus "$seeds/corpus"
