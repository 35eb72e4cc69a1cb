# Kinea: set-up, build, run, test.
#   make run        install what is missing, build, start the program
#   make test       install what is missing, build, run every test
#   make bench      build and run the benchmarks
#   make snapshots  write a PNG of every window to build/snapshots/
#   make package    build the Debian package build/kinea_<version>_<arch>.deb
#   make fuzz       build the fuzz targets with clang's libFuzzer, run each a minute
#   make soak       long random use of every window, then ten minutes of animations
#   make format     format every C++ file with clang-format (make test checks it)
#   make lint       check the naming rule with clang-tidy
#   make windows    Kinea for 64-bit Windows: build-windows/ gets the zip and the setup program
#   make test-windows  the tests under Wine, then the installed program on a Wine desktop

BUILD      ?= build
BUILD_ASAN ?= build-asan
BUILD_FUZZ ?= build-fuzz
BUILD_DEB  ?= build-deb
BUILD_WINDOWS ?= build-windows
JOBS       ?= $(shell nproc)

# Debian 12 packages the build and the tests need.
PACKAGES = cmake make g++ ccache pkg-config \
           qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-translations-l10n libgl-dev \
           libjpeg-dev libgtest-dev libgmock-dev libbenchmark-dev \
           fonts-liberation2 fontconfig xplanet-images \
           dpkg-dev file desktop-file-utils appstream lintian xvfb xauth xdotool poppler-utils \
           clang-format clang-tidy

# ccache keys on paths relative to this folder, so that every checkout of the
# project (another clone, a CI folder) reuses what was compiled before.
export CCACHE_BASEDIR ?= $(CURDIR)
export CCACHE_NOHASHDIR ?= 1

SUDO = $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# The packaged program is built with the flags of every Debian package:
# fortified functions, stack protector, full RELRO and immediate binding.
# The checkout's path is kept out of the flags, so that every checkout
# shares the compiler cache.
DEB_FLAGS_OPTIONS = DEB_BUILD_MAINT_OPTIONS="hardening=+all reproducible=-fixfilepath,-fixdebugpath"
deb_flag = $(shell $(DEB_FLAGS_OPTIONS) dpkg-buildflags --get $(1) 2>/dev/null)
HARDENING = -DCMAKE_C_FLAGS="$(call deb_flag,CPPFLAGS) $(call deb_flag,CFLAGS)" \
            -DCMAKE_CXX_FLAGS="$(call deb_flag,CPPFLAGS) $(call deb_flag,CXXFLAGS)" \
            -DCMAKE_EXE_LINKER_FLAGS="$(call deb_flag,LDFLAGS)" \
            -DCMAKE_SHARED_LINKER_FLAGS="$(call deb_flag,LDFLAGS)"

.PHONY: run test bench snapshots package fuzz soak setup configure build build-asan clean format format-check lint windows test-windows

run: build
	cd $(BUILD)/bin && ./kinea

test: format-check build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# The hot paths again on a screen scaled by 2: four times the pixels.
BENCH_SCALED = ComposeFrame|DrawZone|WeightGlobeTick|OrganDraw|AboutTick|FieldDrawBlurred
bench: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/kinea_bench
	QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 $(BUILD)/bin/kinea_bench --benchmark_filter='$(BENCH_SCALED)'

snapshots: build
	mkdir -p $(BUILD)/snapshots
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/kinea_snapshots $(BUILD)/snapshots

# Built apart from the tests' build, with Debian's flags; the package lands
# in $(BUILD)/ and is checked (contents, hardening, lintian) in $(BUILD_DEB)/.
package: setup
	cmake -S . -B $(BUILD_DEB) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKINEA_WERROR=ON $(HARDENING)
	cmake --build $(BUILD_DEB) --target kinea -j$(JOBS)
	cpack --config $(BUILD_DEB)/CPackConfig.cmake -B $(CURDIR)/$(BUILD)
	cd $(BUILD_DEB) && ctest -R '^kinea_package$$' --output-on-failure

# SOAK_SECONDS of animations after SOAK_EVENTS random events per window,
# from SOAK_SEED; the resident memory may not grow by more than 2 MB.
SOAK_SECONDS ?= 600
SOAK_EVENTS  ?= 3000
SOAK_SEED    ?= 1

soak: configure
	cmake --build $(BUILD) -j$(JOBS) --target kinea_soak
	QT_QPA_PLATFORM=offscreen KINEA_SOAK_SECONDS=$(SOAK_SECONDS) KINEA_MONKEY_EVENTS=$(SOAK_EVENTS) \
	  KINEA_MONKEY_SEED=$(SOAK_SEED) $(BUILD)/bin/kinea_soak

# Fuzzing needs Debian's clang and its sanitizer and libFuzzer run-times,
# nothing else does. FUZZ_SECONDS per target; inputs that break a target are
# written to its folder fuzz/corpus/<target>/, where the tests replay them.
FUZZ_PACKAGES = clang-14 libclang-rt-14-dev
FUZZ_TARGETS  = settingsfile iniprofile tips events credits places jpeg
FUZZ_SECONDS ?= 60

fuzz:
	$(MAKE) setup PACKAGES="$(PACKAGES) $(FUZZ_PACKAGES)"
	cmake -S . -B $(BUILD_FUZZ) -C fuzz/libfuzzer.cmake -DKINEA_WERROR=ON
	cmake --build $(BUILD_FUZZ) -j$(JOBS) --target $(addprefix kinea_fuzz_,$(FUZZ_TARGETS))
	@for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(BUILD_FUZZ)/corpus/$$t || exit 1; \
	  echo "== $$t"; \
	  QT_QPA_PLATFORM=offscreen UBSAN_OPTIONS=print_stacktrace=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/.ci/lsan.supp:print_suppressions=0 \
	  $(BUILD_FUZZ)/bin/kinea_fuzz_$$t -max_total_time=$(FUZZ_SECONDS) \
	    -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix=fuzz/corpus/$$t/ \
	    $(BUILD_FUZZ)/corpus/$$t fuzz/corpus/$$t || exit 1; \
	done

setup:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

configure: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKINEA_WERROR=ON

build: configure
	cmake --build $(BUILD) -j$(JOBS)

build-asan: setup
	cmake -S . -B $(BUILD_ASAN) -DCMAKE_BUILD_TYPE=Debug -DKINEA_SANITIZE=ON -DKINEA_WERROR=ON
	cmake --build $(BUILD_ASAN) -j$(JOBS)

# Every C++ file the project keeps, for clang-format and clang-tidy.
CXX_FILES = $(shell git ls-files '*.cpp' '*.h' 2>/dev/null || find . -path ./build\* -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)

format: setup
	clang-format -i $(CXX_FILES)

format-check: setup
	@clang-format --dry-run --Werror $(CXX_FILES) || { echo "Some files are not formatted: run 'make format'."; exit 1; }

# The naming rule of .clang-tidy over every source file of the build (tests,
# benchmarks and fuzz targets included). Run it before committing new
# functions or classes; it exits non-zero on a name that breaks the rule.
LINT_DIRS = $(CURDIR)/(app|bench|canvas|controls|fuzz|motion|platform|raster|resources|road|shell|tests|weight|window)/

# clang-tidy reads the build's compile commands, less the options only GCC
# knows.
lint: configure
	mkdir -p $(BUILD)/lint
	sed 's/ -fvect-cost-model=dynamic//g' $(BUILD)/compile_commands.json > $(BUILD)/lint/compile_commands.json
	run-clang-tidy -quiet -p $(BUILD)/lint -j$(JOBS) -header-filter='^$(LINT_DIRS)' \
	  '^$(LINT_DIRS)'

# Windows: Debian's MinGW-w64 cross compiler; the cross libraries are built
# once (nice'd, see packaging/windows/crossdeps.sh) into a cache outside the
# checkout; the build-time generators come from the native build; the tests
# run under Wine. Qt's own toolchain file points the build at the host's Qt
# tools and loads the cache's MinGW one.
WINDOWS_PACKAGES = g++-mingw-w64-x86-64-posix mingw-w64-tools nasm ninja-build libwine-dev \
                   wine fonts-wine nsis xvfb xdotool imagemagick
WINDOWS_TOOLS = kinea_mapgen kinea_recordpicture kinea_makeicon
KINEA_VERSION = $(shell sed -n 's/^set(KINEA_VERSION "\(.*\)")/\1/p' packaging/windows/CMakeLists.txt)

windows:
	$(MAKE) configure PACKAGES="$(PACKAGES) $(WINDOWS_PACKAGES)"
	cmake --build $(BUILD) -j$(JOBS) --target $(WINDOWS_TOOLS)
	cross=$$(JOBS=$(JOBS) nice -n 10 packaging/windows/crossdeps.sh) && \
	cmake -S . -B $(BUILD_WINDOWS) -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=$$cross/prefix/lib/cmake/Qt6/qt.toolchain.cmake -DKINEA_HOST_TOOLS=$(CURDIR)/$(BUILD)/bin \
	  "-DCMAKE_CROSSCOMPILING_EMULATOR=$(CURDIR)/packaging/windows/wine-run.sh;$$cross/prefix;$(CURDIR)/$(BUILD_WINDOWS)/wine"
	cmake --build $(BUILD_WINDOWS) -j$(JOBS) --target kinea_windows_packages

test-windows: windows
	cmake --build $(BUILD_WINDOWS) -j$(JOBS)
	packaging/windows/wineprefix.sh $(CURDIR)/$(BUILD_WINDOWS)/wine
	cd $(BUILD_WINDOWS) && ctest --output-on-failure -j$(JOBS)
	packaging/windows/installcheck.sh $(BUILD_WINDOWS)/Kinea-$(KINEA_VERSION)-setup.exe $(CURDIR)/$(BUILD_WINDOWS)/wine
	packaging/windows/wineprefix.sh $(CURDIR)/$(BUILD_WINDOWS)/wine-desktop
	packaging/windows/smoketest.sh $(BUILD_WINDOWS)/Kinea-$(KINEA_VERSION)-setup.exe \
	  $(CURDIR)/$(BUILD_WINDOWS)/wine-desktop $(BUILD_WINDOWS)/screenshots

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_FUZZ) $(BUILD_DEB) $(BUILD_WINDOWS)
