# Everyday commands; CMake does the real work. Every target is safe to run again.
#   make run    build and start the program (headless: on a private Xvfb, with a screenshot)
#   make test   check the formatting, build everything and run all tests
#   make bench  build and run the benchmarks
#   make bench-scale  the library figures on the shipped library and on 2 and 10 times its rows
#   make asan   unit tests built with AddressSanitizer and UndefinedBehaviorSanitizer,
#               LeakSanitizer over them and over one start and close of the program, and the
#               short soak there
#   make soak   the monkey test, long form: 20,000 random inputs to the program and 5,000 to the
#               skin gallery, on the normal and on the sanitizer build (SOAK_SEED replays a run)
#   make fuzz   build the fuzz targets with clang
#   make fuzz-run  build them and run each for FUZZ_SECONDS (default 60) over a copy of its
#               corpus; fails when one crashes
#   make format clang-format the C++ sources
#   make format-check  list the C++ sources clang-format would change; fails when there are any
#   make gallery-shots  build the skin gallery and save its picture in each style and in the
#                       shipped theme in docs/
#   make package        build build/duanxin_<version>_<arch>.deb
#   make test-desktop   the package checked as a Debian desktop gets it (lintian, the desktop's
#                       validators, the unpacked program started from its desktop entry), and
#                       the program on real desktop services: input methods, HiDPI, Wayland,
#                       the accessibility bus
# JOBS sets the build's parallelism (default: the number of processors).

JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=
CONFIGURE = cmake -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)
FORMAT_DIRS = framework skin app gallery tools tests bench fuzz

.PHONY: all setup build run test bench bench-scale asan soak fuzz fuzz-run format format-check \
	gallery-shots package test-desktop

all: build

setup:
	scripts/setup

# Configure once; later builds let CMake re-run itself when its list files change. Every build
# make configures fails on any warning (DUANXIN_WERROR), so none creeps in unseen.
build/build.ninja: | setup
	$(CONFIGURE) -DDUANXIN_WERROR=ON -S . -B build

build: setup build/build.ninja
	cmake --build build -j $(JOBS)

run: build
	@if [ -n "$$DISPLAY" ] || [ -n "$$WAYLAND_DISPLAY" ]; then \
		echo "build/app/duanxin"; build/app/duanxin; \
	else \
		echo "No display: running headless (scripts/run-headless)"; scripts/run-headless; \
	fi

gallery-shots: setup build/build.ninja
	cmake --build build -j $(JOBS) --target duanxin-gallery duanxin_shipped_themes
	scripts/gallery-shots

test: format-check build
	ctest --test-dir build --output-on-failure -j2

package: build
	cmake --build build --target package

test-desktop: build
	scripts/setup desktop
	scripts/test-desktop

bench: build
	build/bench/duanxin-bench

bench-scale: setup build/build.ninja
	cmake --build build -j $(JOBS) --target duanxin-bench
	build/bench/duanxin-bench --scale

build-asan/build.ninja: | setup
	$(CONFIGURE) -DDUANXIN_WERROR=ON -DDUANXIN_SANITIZE=ON -DDUANXIN_BENCH=OFF -S . -B build-asan

# Leaks are reported too: the unit tests' and one start and close of the program (label leaks),
# with the toolkit libraries' one-time allocations suppressed as tests/sanitizers/lsan.supp lists.
SANITIZER_OPTIONS = UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ASAN_OPTIONS=detect_leaks=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=1

asan: setup build-asan/build.ninja
	cmake --build build-asan -j $(JOBS)
	$(SANITIZER_OPTIONS) ctest --test-dir build-asan -L 'unit|leaks' --output-on-failure -j2
	$(SOAK_SANITIZER) ctest --test-dir build-asan -L soak --output-on-failure -j2

# The soaked programs' leaks are checked by the leaks test; here the sanitizer looks for memory
# errors.
SOAK_SANITIZER = ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

soak: setup build/build.ninja build-asan/build.ninja
	cmake --build build -j $(JOBS) --target duanxin-soak
	cmake --build build-asan -j $(JOBS) --target duanxin-soak
	build/tests/soak/duanxin-soak program
	build/tests/soak/duanxin-soak gallery
	$(SOAK_SANITIZER) build-asan/tests/soak/duanxin-soak program
	$(SOAK_SANITIZER) build-asan/tests/soak/duanxin-soak gallery

build-fuzz/build.ninja: | setup
	CC=clang CXX=clang++ $(CONFIGURE) -DDUANXIN_WERROR=ON -DDUANXIN_FUZZ=ON -DDUANXIN_BENCH=OFF \
		-S . -B build-fuzz

fuzz: setup build-fuzz/build.ninja
	cmake --build build-fuzz -j $(JOBS) --target duanxin_fuzzers
	@echo "Fuzz targets are in build-fuzz/fuzz/"

# Each target (one per corpus folder) fuzzes a scratch copy of its corpus, so what it finds never
# lands in the tree; a crash, leak or timeout ends the run with an error and leaves the input in
# the scratch folder's found/.
FUZZ_SECONDS ?= 60
FUZZ_TARGETS = $(notdir $(wildcard fuzz/corpus/*))
FUZZ_SCRATCH = build-fuzz/fuzz-run

fuzz-run: fuzz
	@for target in $(FUZZ_TARGETS); do \
		scratch=$(FUZZ_SCRATCH)/$$target; \
		rm -rf $$scratch && mkdir -p $$scratch/corpus $$scratch/found && \
		cp -R fuzz/corpus/$$target/. $$scratch/corpus/ && \
		dict=; [ -f fuzz/$$target.dict ] && dict=-dict=fuzz/$$target.dict; \
		echo "== $$target for $(FUZZ_SECONDS) s"; \
		QT_QPA_PLATFORM=offscreen build-fuzz/fuzz/$${target}_fuzzer $$dict \
			-max_total_time=$(FUZZ_SECONDS) -timeout=10 -artifact_prefix=$$scratch/found/ \
			-print_final_stats=1 $$scratch/corpus || exit 1; \
	done

FORMAT_SOURCES = find $(FORMAT_DIRS) -type f \( -name '*.cpp' -o -name '*.h' \) -print0

format:
	$(FORMAT_SOURCES) | xargs -0 -r clang-format -i

format-check: setup
	@if ! out=$$($(FORMAT_SOURCES) | xargs -0 -r clang-format --dry-run --Werror 2>&1); then \
		files=$$(printf '%s\n' "$$out" \
			| sed -n 's/:[0-9]*:[0-9]*: error: code should be clang-formatted.*//p' | sort -u); \
		echo "Not clang-formatted (make format formats them):"; printf '%s\n' "$${files:-$$out}"; \
		exit 1; \
	fi
