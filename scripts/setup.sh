# Sourced by the top-level scripts: the Debian packages each of them needs,
# installed when missing by acpower_install_missing (install.sh).

# What building and running the calculator needs.
ACPOWER_RUN_PACKAGES=(
    cmake
    ninja-build
    g++
    qt6-base-dev
    fonts-liberation
)

# What scripts/regenerate-icon.sh draws the icons with: rsvg-convert renders
# the scalable drawing, icotool writes the Windows icon and cursor.
ACPOWER_ART_PACKAGES=(
    librsvg2-bin
    icoutils
)

# What ./package.sh needs on top of building: CPack's Debian generator finds
# the library dependencies with dpkg-shlibdeps (dpkg-dev), which it runs only
# on files that file(1) calls ELF.
ACPOWER_PACKAGE_PACKAGES=(
    dpkg-dev
    file
)

# What ./bench.sh needs on top of building and running.
ACPOWER_BENCH_PACKAGES=(
    libbenchmark-dev
)

# What the whole test suite needs on top. qt6-svg-dev: the icon test renders
# the scalable drawing beside the pixel art. qtbase5-dev and libqt5svg5-dev:
# the Qt 5.15 stage; binutils-mingw-w64-i686: windres, which compiles the Windows
# resource script in its test; desktop-file-utils and appstream: the
# validators of the Linux desktop files; the package tools and lintian: the
# test that builds the .deb and has it judged. The sanitizer stage builds
# with clang: libclang-rt-14-dev holds the AddressSanitizer, UBSan and
# libFuzzer runtimes, llvm-14 the symbolizer that turns their reports into
# file:line (and llvm-rc-14, a second resource compiler for the resource
# test). That stage builds the benchmarks too, so they are checked under the
# sanitizers and cannot rot unnoticed. The accessibility test reads the Qt
# window as a screen reader does: python3-pyatspi and at-spi2-core for the
# AT-SPI client and bus, dbus-run-session (dbus-bin, dbus-daemon) for a
# session of its own, and xvfb for the display the bridge needs.
ACPOWER_TEST_PACKAGES=(
    qt6-svg-dev
    qtbase5-dev
    libqt5svg5-dev
    binutils-mingw-w64-i686
    desktop-file-utils
    appstream
    lintian
    "${ACPOWER_PACKAGE_PACKAGES[@]}"
    libfast-float-dev
    clang-14
    libclang-rt-14-dev
    llvm-14
    "${ACPOWER_BENCH_PACKAGES[@]}"
    python3-pyatspi
    at-spi2-core
    dbus-bin
    dbus-daemon
    xvfb
    xauth
)

# What the Windows stage needs: the mingw-w64 cross-compilers (their -win32
# flavours need no winpthread DLL), Wine with its 32-bit half for the 32-bit
# program (wine32 is an i386 package), Wine's own fonts, makensis for the
# installer, and a virtual display for the window. Wine's MS Sans Serif has
# no Cyrillic; of the stand-ins that have it, only URW's Nimbus Sans draws
# the form's 8 pt captions inside their rectangles at 96 DPI, as a Windows
# with its own fonts does, which the window's checks hold it to. The
# screenshot of the Windows window adds a window manager for the title bar,
# xdotool to wait for the window and ImageMagick to take the picture.
# Signing the packages (cmake/SignWindows.cmake) takes osslsigncode and, for
# a key on a token, OpenSSL's PKCS#11 engine; its test makes a throw-away
# certificate with openssl and keeps its key on a SoftHSM2 token.
ACPOWER_WINDOWS_PACKAGES=(
    cmake
    ninja-build
    g++-mingw-w64-i686
    g++-mingw-w64-x86-64
    wine
    wine64
    wine32:i386
    fonts-wine
    fonts-liberation
    fonts-urw-base35
    nsis
    xvfb
    xauth
    osslsigncode
    libengine-pkcs11-openssl
    openssl
    softhsm2
)
ACPOWER_WINDOWS_SCREENSHOT_PACKAGES=(
    imagemagick
    openbox
    xdotool
)

# What the web tree's browser tests need on top of the engine's: Debian's
# Chromium, which playwright-core drives (no test tool downloads a browser of
# its own); npm installs the packages tests/web/package-lock.json pins.
# pdftotext reads back the page Chromium prints.
ACPOWER_WEB_TEST_PACKAGES=(
    chromium
    poppler-utils
)

# What the web stage needs for the engine: Debian's clang and lld with its
# WebAssembly C and C++ libraries and compiler-rt builtins for wasm32 (the
# engine's module and its checks), fast_float for decimals (libc++ for wasm32
# has no float from_chars), g++ for the host tree that prints the native
# engine's texts, Node to run the module, and Info-ZIP's zip, which packs the
# site folder. The release builds the module too, with the same compilers
# and libraries.
ACPOWER_WASM_PACKAGES=(
    clang-14
    lld-14
    wasi-libc
    libc++-14-dev-wasm32
    libc++abi-14-dev-wasm32
    libclang-rt-14-dev-wasm32
    libfast-float-dev
)
ACPOWER_WEB_ENGINE_PACKAGES=(
    cmake
    ninja-build
    g++
    "${ACPOWER_WASM_PACKAGES[@]}"
    nodejs
    npm
    zip
)

# What `cmake --workflow --preset release` needs: the build of every tree that
# makes a package (the .deb's, the Windows compilers and NSIS, the web
# engine's without Node, whose tests the release does not run, and zip for
# the site folder), and git, whose last commit dates the release. The release check compares the two
# builds and shows how they differ with diffoscope (the minimal flavour reads
# the .deb, the ZIP and the text files; the installers it shows as bytes).
ACPOWER_RELEASE_PACKAGES=(
    "${ACPOWER_RUN_PACKAGES[@]}"
    "${ACPOWER_PACKAGE_PACKAGES[@]}"
    g++-mingw-w64-i686
    g++-mingw-w64-x86-64
    nsis
    "${ACPOWER_WASM_PACKAGES[@]}"
    zip
    git
)
ACPOWER_RELEASE_CHECK_PACKAGES=(
    "${ACPOWER_RELEASE_PACKAGES[@]}"
    diffoscope-minimal
)

source "$ACPOWER_ROOT/scripts/install.sh"

# Every build tree is a preset of CMakePresets.json; the scripts run them from
# the source folder, where CMake looks for that file.
cd "$ACPOWER_ROOT"
