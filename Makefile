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

BUILD      ?= build
BUILD_ASAN ?= build-asan
BUILD_FUZZ ?= build-fuzz
JOBS       ?= $(shell nproc)

# Debian 12 packages the build and the tests need.
PACKAGES = cmake make g++ ccache pkg-config \
           qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-translations-l10n libgl-dev \
           libjpeg-dev libgtest-dev libgmock-dev libbenchmark-dev \
           fonts-liberation2 fontconfig xplanet-images \
           dpkg-dev file desktop-file-utils appstream poppler-utils \
           clang-format clang-tidy

# ccache keys on paths relative to this folder, so that every checkout of the
# project (another clone, a CI folder) reuses what was compiled before.
export CCACHE_BASEDIR ?= $(CURDIR)
export CCACHE_NOHASHDIR ?= 1

SUDO = $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: run test bench snapshots package fuzz soak setup configure build build-asan clean format format-check lint

run: build
	cd $(BUILD)/bin && ./kinea

test: format-check build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

bench: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/kinea_bench

snapshots: build
	mkdir -p $(BUILD)/snapshots
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/kinea_snapshots $(BUILD)/snapshots

package: configure
	cmake --build $(BUILD) --target kinea -j$(JOBS)
	cd $(BUILD) && cpack

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
	cmake -S . -B $(BUILD_FUZZ) -C fuzz/libfuzzer.cmake
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
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j$(JOBS)

build-asan: setup
	cmake -S . -B $(BUILD_ASAN) -DCMAKE_BUILD_TYPE=Debug -DKINEA_SANITIZE=ON
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

lint: configure
	run-clang-tidy -quiet -p $(BUILD) -j$(JOBS) -warnings-as-errors='*' -header-filter='^$(LINT_DIRS)' \
	  '^$(LINT_DIRS)'

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_FUZZ)
