# Two commands on a fresh Debian 12 machine: `make run` plays, `make test` runs every test suite.
# Both install what is missing first (as root; otherwise they print the apt-get line to run).
# `make windows` makes the Windows game's zip (build-windows/Frothwick-<version>-win64.zip); `make test`
# makes it too and plays it under wine.

PACKAGES := cmake ninja-build g++ pkg-config libsdl2-dev libsdl2-image-dev libsdl2-mixer-dev \
            libsdl2-ttf-dev libgtest-dev xvfb xdotool x11-utils imagemagick xfonts-base \
            fonts-dejavu-core openbox sox clang libclang-rt-14-dev dpkg-dev file libxfixes-dev \
            appstream desktop-file-utils libxml2-utils libx11-dev x11-xkb-utils clang-format clang-tidy
# The Windows game: Debian's mingw-w64 compiler, Debian's sources of the SDL family, wine to test it.
WIN_PACKAGES := g++-mingw-w64-x86-64-posix wine wine64 unzip
# Two other falling-block games of Debian's that `make bench` starts beside the game, as yardsticks.
BENCH_PACKAGES := ltris quadrapassel
BUILD := build
ASAN_BUILD := build-asan
WIN_DIR := build-windows
# The cross-built SDL family: kept, and reused while its recipe is unchanged (a CI may cache it).
WIN_PREFIX ?= $(WIN_DIR)/prefix
WIN_BUILD := $(WIN_DIR)/game
VERSION := $(shell sed -n "s/^project.Frothwick VERSION \([0-9.]*\) .*/\1/p" CMakeLists.txt)
WIN_ZIP := $(WIN_DIR)/Frothwick-$(VERSION)-win64.zip
JOBS ?= $(shell nproc)
# wine must not ask to download Mono and Gecko into a fresh prefix (it cannot, here), nor chatter.
export WINEDLLOVERRIDES := mscoree,mshtml=
export WINEDEBUG := -all

.PHONY: run test setup setup-windows build build-asan windows bench artwork clean

# Installs the Debian packages of the list that are missing (as root), or prints the line to run.
define install_missing
@missing=$$(for p in $(1); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q "install ok installed" || echo $$p; done); \
if [ -n "$$missing" ]; then \
  if [ "$$(id -u)" = 0 ]; then \
    echo "Installing: $$missing"; \
    apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
  else \
    echo "Missing packages. Run:"; echo "  sudo apt-get install $$missing"; exit 1; \
  fi; \
fi
endef

run: build
	@if [ -n "$$DISPLAY" ]; then ./$(BUILD)/frothwick; \
	else echo "No display: starting the game under Xvfb"; xvfb-run -a -s "-screen 0 1024x768x24 -noreset" ./$(BUILD)/frothwick; fi

test: build build-asan windows
	cmake --build $(WIN_BUILD) -j $(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)
	cd $(WIN_BUILD) && ctest --output-on-failure --no-tests=error -j $(JOBS)

setup:
	$(call install_missing,$(PACKAGES))

setup-windows: setup
	$(call install_missing,$(WIN_PACKAGES))
	@if [ "$$(id -u)" = 0 ]; then tools/windows/add-deb-src.sh; fi

build: setup
	cmake --preset default -B $(BUILD) -DFROTHWICK_WINDOWS_ZIP=$(abspath $(WIN_ZIP))
	cmake --build $(BUILD) -j $(JOBS)

# Needs nothing of `make run`'s build: the Windows game is cross-built on its own, and only the game is
# built for the zip (`make test` builds the behaviour tests beside it). The windows preset builds -O2:
# GCC 12's -O3 warns falsely of overlapping copies in the tests.
windows: setup-windows
	JOBS=$(JOBS) tools/windows/build-prefix.sh $(WIN_PREFIX)
	cmake --preset windows -B $(WIN_BUILD) -DFROTHWICK_WIN_PREFIX=$(abspath $(WIN_PREFIX))
	cmake --build $(WIN_BUILD) -j $(JOBS) --target frothwick_runtime
	cd $(WIN_BUILD) && cpack -B $(CURDIR)/$(WIN_DIR) && rm -rf $(CURDIR)/$(WIN_DIR)/_CPack_Packages

build-asan: setup
	cmake --preset sanitize -B $(ASAN_BUILD)
	cmake --build $(ASAN_BUILD) -j $(JOBS)

bench: setup
	$(call install_missing,$(BENCH_PACKAGES))
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFROTHWICK_WERROR=ON -DFROTHWICK_BENCH=ON
	cmake --build $(BUILD) -j $(JOBS)
	./bench/run.sh $(BUILD)

# The artwork is drawn with Cairo, which only this target needs.
artwork: PACKAGES += libcairo2-dev
artwork: setup
	cmake -S tools/artwork -B build-artwork -G Ninja && cmake --build build-artwork && ./build-artwork/frothwick-artwork assets sounds docs

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(WIN_BUILD) $(WIN_ZIP) build-artwork
