# Kinea: set-up, build, run, test.
#   make run        install what is missing, build, start the program
#   make test       install what is missing, build, run every test
#   make bench      build and run the benchmarks
#   make snapshots  write a PNG of every window to build/snapshots/
#   make package    build the Debian package build/kinea_<version>_<arch>.deb

BUILD      ?= build
BUILD_ASAN ?= build-asan
JOBS       ?= $(shell nproc)

# Debian 12 packages the build and the tests need.
PACKAGES = cmake make g++ ccache pkg-config \
           qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-translations-l10n libgl-dev \
           libjpeg-dev libgtest-dev libgmock-dev libbenchmark-dev \
           fonts-liberation2 fontconfig xplanet-images \
           dpkg-dev file desktop-file-utils appstream

SUDO = $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: run test bench snapshots package setup configure build build-asan clean

run: build
	cd $(BUILD)/bin && ./kinea

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

bench: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/kinea_bench

snapshots: build
	mkdir -p $(BUILD)/snapshots
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/kinea_snapshots $(BUILD)/snapshots

package: configure
	cmake --build $(BUILD) --target kinea -j$(JOBS)
	cd $(BUILD) && cpack

setup:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

configure: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j$(JOBS)

build-asan: setup
	cmake -S . -B $(BUILD_ASAN) -DCMAKE_BUILD_TYPE=Debug -DKINEA_SANITIZE=ON
	cmake --build $(BUILD_ASAN) -j$(JOBS)

clean:
	rm -rf $(BUILD) $(BUILD_ASAN)
