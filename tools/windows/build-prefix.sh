#!/bin/bash
# Cross-builds the libraries the Windows game needs, from Debian's own source packages, into one
# prefix: zlib, libpng, libjpeg-turbo and FreeType as static libraries, SDL2, SDL2_image (PNG and
# JPEG), SDL2_mixer (WAV only) and SDL2_ttf (no HarfBuzz) as DLLs, and GoogleTest for the tests.
# The prefix is kept while this recipe is unchanged: its stamp holds the recipe's checksum.
#
#   tools/windows/build-prefix.sh PREFIX
set -euo pipefail
prefix=$(realpath -m "$1")
here=$(cd "$(dirname "$0")" && pwd)
toolchain=$here/mingw-w64-x86_64.cmake
recipe=$(cat "$0" "$toolchain" | sha256sum | cut -d' ' -f1)
stamp=$prefix/frothwick-prefix.stamp
if [ -f "$stamp" ] && grep -qx "recipe $recipe" "$stamp"; then
  echo "Windows libraries: kept ($prefix)"
  exit 0
fi
jobs=${JOBS:-$(nproc)}
work=$prefix.work
rm -rf "$prefix" "$work"
mkdir -p "$prefix" "$work"
cd "$work"

# The sources of the machine's own suite. zlib and libpng come from the main suite: the security
# pocket may carry a newer binary without serving its source.
sources=(libsdl2 libsdl2-image libsdl2-mixer libsdl2-ttf freetype libjpeg-turbo libpng1.6/bookworm zlib/bookworm)
apt-get source --only-source "${sources[@]}" >apt-source.log 2>&1 || {
  cat apt-source.log
  echo "apt-get source failed: is there a deb-src line (tools/windows/add-deb-src.sh as root)?" >&2
  exit 1
}

src() { find . -maxdepth 1 -type d -name "$1-[0-9]*"; }
cmake_build() { # folder, options...
  local dir=$1
  shift
  cmake -S "$dir" -B "$dir/build-win" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DFROTHWICK_WIN_PREFIX="$prefix" -DCMAKE_INSTALL_PREFIX="$prefix" "$@" >"$dir.configure.log"
  cmake --build "$dir/build-win" -j "$jobs" >"$dir.build.log"
  cmake --install "$dir/build-win" >"$dir.install.log"
  echo "built $dir"
}

# zlib is a handful of C files: compiled straight into the static libz.a.
zlib=$(src zlib)
(cd "$zlib" && for f in adler32 compress crc32 deflate gzclose gzlib gzread gzwrite infback inffast inflate \
  inftrees trees uncompr zutil; do x86_64-w64-mingw32-gcc-posix -O2 -c $f.c; done && x86_64-w64-mingw32-ar rcs libz.a ./*.o)
install -D -m644 "$zlib/libz.a" "$prefix/lib/libz.a"
install -m644 "$zlib/zlib.h" "$zlib/zconf.h" -Dt "$prefix/include"
echo "built $zlib"

cmake_build "$(src libpng1.6)" -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
  -DSKIP_INSTALL_PROGRAMS=ON -DSKIP_INSTALL_FILES=ON
cmake_build "$(src libjpeg-turbo)" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF
cmake_build "$(src freetype)" -DBUILD_SHARED_LIBS=OFF -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BZIP2=ON \
  -DFT_DISABLE_BROTLI=ON -DFT_DISABLE_PNG=ON -DFT_DISABLE_ZLIB=ON
# The DLLs carry their C run-time support inside: the zip holds no libgcc of its own.
dll_flags=(-DCMAKE_SHARED_LINKER_FLAGS="-static-libgcc" -DCMAKE_EXE_LINKER_FLAGS="-static-libgcc")
cmake_build "$(src libsdl2)" "${dll_flags[@]}" -DSDL_SHARED=ON -DSDL_STATIC=OFF -DSDL_TEST=OFF
cmake_build "$(src libsdl2-image)" "${dll_flags[@]}" -DSDL2IMAGE_VENDORED=OFF -DSDL2IMAGE_DEPS_SHARED=OFF \
  -DSDL2IMAGE_BACKEND_STB=OFF -DSDL2IMAGE_BACKEND_WIC=OFF -DSDL2IMAGE_PNG=ON -DSDL2IMAGE_JPG=ON \
  -DSDL2IMAGE_AVIF=OFF -DSDL2IMAGE_JXL=OFF -DSDL2IMAGE_TIF=OFF -DSDL2IMAGE_WEBP=OFF -DSDL2IMAGE_SAMPLES=OFF \
  -DSDL2IMAGE_TESTS=OFF
cmake_build "$(src libsdl2-mixer)" "${dll_flags[@]}" -DSDL2MIXER_VENDORED=OFF -DSDL2MIXER_DEPS_SHARED=OFF \
  -DSDL2MIXER_WAVE=ON -DSDL2MIXER_CMD=OFF -DSDL2MIXER_FLAC=OFF -DSDL2MIXER_MOD=OFF -DSDL2MIXER_MIDI=OFF \
  -DSDL2MIXER_MP3=OFF -DSDL2MIXER_OPUS=OFF -DSDL2MIXER_VORBIS=OFF -DSDL2MIXER_SAMPLES=OFF
cmake_build "$(src libsdl2-ttf)" "${dll_flags[@]}" -DSDL2TTF_VENDORED=OFF -DSDL2TTF_HARFBUZZ=OFF \
  -DSDL2TTF_SAMPLES=OFF
# libpng and libjpeg-turbo are inside SDL2_image.dll, yet its CMake package still asks for them.
sed -i -E '/find_dependency\((PNG|JPEG)/d' "$prefix"/lib/cmake/SDL2_image/SDL2_imageConfig.cmake
# GoogleTest from the build machine's own source, for the behaviour suite as a Windows program.
cp -r /usr/src/googletest googletest-src
cmake_build googletest-src -DBUILD_GMOCK=OFF -DINSTALL_GTEST=ON

versions=$(for d in */; do [ -f "$d/debian/changelog" ] && dpkg-parsechangelog -l "$d/debian/changelog" -S Source -S Version | paste -sd' '; done)
printf 'recipe %s\n%s\n' "$recipe" "$versions" >"$stamp"
rm -rf "$work"
echo "Windows libraries: built ($prefix)"
