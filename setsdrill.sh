#!/usr/bin/env bash
# One entry point for people and CI:
#   ./setsdrill.sh run        install what is missing, build, start the program
#   ./setsdrill.sh test       install what is missing, build, run every test (CTest)
#   ./setsdrill.sh sanitize   the same tests built with AddressSanitizer and UBSan
#   ./setsdrill.sh shots [D]  render every screen to PNG in folder D (default: shots)
#   ./setsdrill.sh package    a Debian package of the program, in build-package/, checked by lintian
#   ./setsdrill.sh bench [R]  how fast every screen opens and its heaviest button answers (R runs each)
#   ./setsdrill.sh monkey [N] the monkey, N actions (default 100000) on every screen, under the sanitizers
#   ./setsdrill.sh fuzz [S]   each rules fuzz target for S seconds (default 60), clang libFuzzer + sanitizers
#   ./setsdrill.sh a11y [D]   every screen's tree as a screen reader meets it, one file a screen in D
#                             (default: a11y), under a private X server with the accessibility bus
#   ./setsdrill.sh windows    Qt for Windows (once per machine), the program and its tests cross-compiled
#                             in build-windows/, every test under Wine, the installer, and the
#                             installer tried under Wine (silent install, start, uninstall)
# Safe to run again: it installs nothing that is there and rebuilds only what changed.
set -euo pipefail
cd "$(dirname "$0")"
export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1

PACKAGES=(build-essential cmake ninja-build qt6-base-dev qt6-svg-dev qt6-translations-l10n
          fonts-hosny-amiri fonts-noto-core fonts-noto-ui-core fonts-liberation2 fonts-dejavu-core
          desktop-file-utils appstream)

# What the accessibility dump needs: a private X server, the accessibility bus, its Python binding.
A11Y_TOOLS=(xvfb xauth xdotool dbus at-spi2-core python3-pyatspi)

# What CPack needs besides the build tools to make the .deb, and Debian's checker.
PACKAGE_TOOLS=(dpkg-dev file lintian)

# What the rules' fuzz targets need: clang 14 and its libFuzzer and sanitizer runtimes.
FUZZ_TOOLS=(clang libclang-rt-14-dev)

# The Windows build: the MinGW-w64 cross compiler, Wine to run the tests and the
# installer, NSIS to make it, a virtual display to look at it under Wine, and
# what apt's source command needs to fetch Qt's source.
WINDOWS_TOOLS=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 nsis xvfb xauth xdotool
               imagemagick dpkg-dev)

install_missing() { # extra packages...
    command -v dpkg-query >/dev/null 2>&1 || return 0 # not a Debian machine: bring Qt 6 yourself
    local missing=()
    for p in "${PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

configure() { # folder, extra cmake options...
    local dir=$1; shift
    if [ ! -f "$dir/build.ninja" ]; then
        local launcher=()
        # Several checkouts of the project on one machine share their compiled files.
        command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
        cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" >/dev/null
    fi
}

build() { # folder, extra cmake options...
    configure "$@"
    cmake --build "$1"
}

# apt's source command needs a deb-src entry for the suites the installed Qt
# comes from: the binary entries' own, when there is none yet.
add_source_entry() {
    apt-cache showsrc qt6-base 2>/dev/null | grep -q '^Version:' && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
            "${sudo[@]}" tee /etc/apt/sources.list.d/setsdrill-src.sources >/dev/null
    else
        grep -h '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
            "${sudo[@]}" tee /etc/apt/sources.list.d/setsdrill-src.list >/dev/null
    fi
    "${sudo[@]}" apt-get update -qq
}

# Qt for Windows from the cache (built on first use), the Linux build's picture
# renderer, then the cross build with every test.
windows_build() {
    install_missing "${WINDOWS_TOOLS[@]}"
    add_source_entry
    local toolchain=cmake/mingw-w64-x86_64.cmake qt
    qt=$(nice packaging/windows/build-qt.sh "$toolchain")
    configure build
    cmake --build build --target setsdrill_rasterize
    build build-windows -DCMAKE_TOOLCHAIN_FILE="$PWD/$toolchain" -DCMAKE_PREFIX_PATH="$qt" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DSETSDRILL_SVG=OFF -DSETSDRILL_RASTERIZER="$PWD/build/setsdrill_rasterize"
}

# The suite under Wine, in the build's own prefix, with one Wine server for the
# whole run rather than one started per test.
windows_tests() {
    export WINEPREFIX=$PWD/build-windows/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
    [ -f "$WINEPREFIX/system.reg" ] || wineboot -i >/dev/null 2>&1
    wineserver -k 2>/dev/null || true # the one wineboot left, or an earlier run's
    wineserver -p
    # Wine's services start with the first program and keep its output open:
    # started here, quietly, they do not hold a test's output (CTest would
    # wait for them to the end of the run).
    wineboot >/dev/null 2>&1 </dev/null
    local rc=0
    run_tests build-windows || rc=$?
    wineserver -k || true
    unset WINEPREFIX
    return $rc
}

# Debian's checker on the package just made. With a maintainer's address set
# (DEBEMAIL, or EMAIL) any error or warning fails the command; without one the
# package names no real maintainer, so the checker only reports.
lint_package() { # folder
    local deb
    deb=$(ls -t "$1"/*.deb | head -n 1)
    echo "lintian $deb"
    if [ -n "${DEBEMAIL:-}${EMAIL:-}" ]; then
        lintian --fail-on error,warning "$deb"
    else
        lintian --fail-on none "$deb"
        echo "DEBEMAIL is not set: the package names no maintainer's address. Set DEBFULLNAME and" \
             "DEBEMAIL (see the README) and make it again." >&2
    fi
}

run_tests() { # folder
    ctest --test-dir "$1" --output-on-failure -j "$(nproc 2>/dev/null || echo 2)"
}

sanitized() { # command...: runs it with the sanitizers stopping at the first finding
    ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 "$@"
}

# One process per screen, as many at once as there are cores: each screen's run
# is a test function of its own with a time limit that grows with its length.
long_monkey() { # actions per screen
    local steps=$1 logs=build-asan/monkey
    local monkey=./build-asan/tests/tst_monkey
    mkdir -p "$logs"
    local screens
    screens=$(QT_QPA_PLATFORM=offscreen "$monkey" -datatags everyScreen | awk '{print $3}')
    [ -n "$screens" ] || { echo "the monkey found no screens" >&2; return 1; }
    echo "Monkey: $steps actions on each of: $(echo $screens)"
    export QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='qt.qpa.*=false' SETSDRILL_MONKEY_STEPS=$steps
    export QTEST_FUNCTION_TIMEOUT=$((steps * 100 + 300000)) # ms: 0.1 s an action is ten times what it needs
    export -f sanitized
    # shellcheck disable=SC2016
    echo "$screens" | xargs -P "$(nproc 2>/dev/null || echo 2)" -I{} bash -c \
        'if sanitized "$0" "everyScreen:{}" >"$1/{}.log" 2>&1; then echo "  {}: passed"; \
         else echo "  {}: FAILED, see $1/{}.log"; exit 1; fi' "$monkey" "$logs"
}

# Seeds from the tests' own inputs: every line of a lesson's test that quotes
# texts becomes one seed, its texts one a line (a box's text each).
fuzz_seeds() { # folder
    rm -rf "$1"
    mkdir -p "$1"
    awk -v dir="$1" '{
        out = ""; s = $0
        while (match(s, /"[^"]*"/)) {
            out = out (out == "" ? "" : "\n") substr(s, RSTART + 1, RLENGTH - 2)
            s = substr(s, RSTART + RLENGTH)
        }
        if (out != "") { printf "%s", out > (dir "/" NR); close(dir "/" NR) }
    }' tests/lessons/*/tst_*.cpp
    echo "$(ls "$1" | wc -l) seeds from the tests"
}

# Runs each fuzz target for the given seconds; what it finds is kept in
# build-fuzz/findings/TARGET, and any finding fails the command.
fuzz_rules() { # seconds
    local seconds=$1 found=0 target
    fuzz_seeds build-fuzz/seeds
    for target in fuzz_box_number fuzz_row fuzz_venn; do
        local corpus=build-fuzz/corpus/$target findings=build-fuzz/findings/$target
        mkdir -p "$corpus" "$findings"
        echo "$target: $seconds s"
        if ! ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
            "./build-fuzz/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
            -artifact_prefix="$findings/" "$corpus" build-fuzz/seeds >"$findings/log" 2>&1; then
            echo "  $target found a fault: see $findings/"
            found=1
        fi
        grep -E "^stat::number_of_executed_units|^stat::new_units_added" "$findings/log" | sed 's/^/  /'
    done
    return $found
}

cmd=${1:-run}
case "$cmd" in
run)
    install_missing
    build build
    exec ./build/setsdrill
    ;;
test)
    install_missing
    build build
    run_tests build
    ;;
sanitize)
    install_missing
    build build-asan -DSETSDRILL_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
    sanitized run_tests build-asan
    ;;
package)
    install_missing "${PACKAGE_TOOLS[@]}"
    # Only the program, optimised as the tested build is (CPack strips it): neither
    # the tests nor the tools, so Qt Test is not needed.
    # Configured again every time: the maintainer is read from DEBFULLNAME and
    # DEBEMAIL as they are set now.
    [ -f build-package/CMakeCache.txt ] && cmake build-package >/dev/null
    build build-package -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DSETSDRILL_TOOLS=OFF
    (cd build-package && cpack)
    lint_package build-package
    ;;
bench)
    install_missing
    build build
    ./build/setsdrill_bench "${2:-15}"
    ;;
monkey)
    install_missing
    build build-asan -DSETSDRILL_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
    long_monkey "${2:-100000}"
    ;;
a11y)
    install_missing "${A11Y_TOOLS[@]}"
    build build
    shift
    dbus-run-session -- /usr/bin/python3 tools/a11y.py ./build/setsdrill "${@:-a11y}"
    ;;
fuzz)
    install_missing "${FUZZ_TOOLS[@]}"
    CXX=clang++ build build-fuzz -DSETSDRILL_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
    fuzz_rules "${2:-60}"
    ;;
shots)
    install_missing
    build build
    ./build/setsdrill_screenshots "${2:-shots}"
    ;;
windows)
    windows_build
    windows_tests
    (cd build-windows && cpack >/dev/null && ls -1 "$PWD"/setsdrill-*.exe)
    packaging/windows/try-installer.sh build-windows
    ;;
*)
    echo "usage: $0 [run|test|sanitize|shots [folder]|package|bench [runs]|monkey [actions]|fuzz [seconds]|a11y [folder [story...]]|windows]" >&2
    exit 2
    ;;
esac
