# Two commands on a fresh Debian 12 machine: `make run` plays, `make test` runs every test suite.
# Both install what is missing first (as root; otherwise they print the apt-get line to run).

PACKAGES := cmake ninja-build g++ pkg-config libsdl2-dev libsdl2-image-dev libsdl2-mixer-dev \
            libsdl2-ttf-dev libgtest-dev xvfb xdotool x11-utils imagemagick xfonts-base \
            fonts-dejavu-core openbox sox clang libclang-rt-14-dev dpkg-dev file libxfixes-dev \
            appstream desktop-file-utils libxml2-utils libx11-dev x11-xkb-utils clang-format clang-tidy
BUILD := build
ASAN_BUILD := build-asan
JOBS ?= $(shell nproc)

.PHONY: run test setup build build-asan bench artwork clean

run: build
	@if [ -n "$$DISPLAY" ]; then ./$(BUILD)/frothwick; \
	else echo "No display: starting the game under Xvfb"; xvfb-run -a -s "-screen 0 1024x768x24 -noreset" ./$(BUILD)/frothwick; fi

test: build build-asan
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

setup:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q "install ok installed" || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    echo "Installing: $$missing"; \
	    apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
	  else \
	    echo "Missing packages. Run:"; echo "  sudo apt-get install $$missing"; exit 1; \
	  fi; \
	fi

build: setup
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFROTHWICK_WERROR=ON -DFROTHWICK_BENCH=OFF
	cmake --build $(BUILD) -j $(JOBS)

build-asan: setup
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DFROTHWICK_SANITIZE=ON -DFROTHWICK_WERROR=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)

bench: setup
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFROTHWICK_WERROR=ON -DFROTHWICK_BENCH=ON
	cmake --build $(BUILD) -j $(JOBS)
	./bench/run.sh $(BUILD)

# The artwork is drawn with Cairo, which only this target needs.
artwork: PACKAGES += libcairo2-dev
artwork: setup
	cmake -S tools/artwork -B build-artwork -G Ninja && cmake --build build-artwork && ./build-artwork/frothwick-artwork assets sounds docs

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) build-artwork
