# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands of the README, and a few more for maintainers.
BUILD ?= build
CMAKE_FLAGS ?=

# How the package is configured (make test makes it too, for the package test to check).
PACKAGE_FLAGS := $(shell sed '/^#/d' packaging/build-flags)

.PHONY: all build run test test-asan bench fuzz package clean

all: build

# Only builds: the packages it needs are installed by `make run` and `make test`.
build:
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)
	cmake --build $(BUILD)

# Builds only the game and the files it reads beside it: no test, benchmark or fuzz program.
run:
	@scripts/install-deps build run
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)
	cmake --build $(BUILD) --target orbulon
	$(BUILD)/bin/orbulon

# Every test, headless: the window tests draw offscreen, the end-to-end tests under Xvfb. The
# package is made first, as `make package` makes it, and the package test checks that one: a
# second Release tree built inside the suite would only compete with the other tests for the cores.
test:
	@scripts/install-deps build test
	$(MAKE) --no-print-directory build
	$(MAKE) --no-print-directory package
	scripts/run-tests $(BUILD)

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
# Any report fails the run; only faults inside system libraries are suppressed, each
# with its reason, in scripts/sanitizer-suppressions/.
ASAN_BUILD ?= build-asan
SUPPRESSIONS := $(CURDIR)/scripts/sanitizer-suppressions
SANITIZER_ENV := \
	ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:abort_on_error=0:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(SUPPRESSIONS)/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=suppressions=$(SUPPRESSIONS)/ubsan.supp:print_stacktrace=1:halt_on_error=1

test-asan:
	@scripts/install-deps asan
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DORBULON_SANITIZE=ON $(CMAKE_FLAGS)
	$(SANITIZER_ENV) cmake --build $(ASAN_BUILD) -j2
	$(SANITIZER_ENV) scripts/run-tests $(ASAN_BUILD)

# Release build of the benchmarks; prints the median of each case over repetitions.
BENCH_BUILD ?= build-bench
BENCH_FLAGS ?= --benchmark_repetitions=9 --benchmark_report_aggregates_only=true

bench:
	@scripts/install-deps bench
	cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DORBULON_BENCH=ON -DBUILD_TESTING=OFF $(CMAKE_FLAGS)
	cmake --build $(BENCH_BUILD) -j2
	scripts/run-bench $(BENCH_BUILD) $(BENCH_FLAGS)

# Each reader of outside data under libFuzzer for FUZZ_SECONDS, from the seed corpus kept
# in fuzz/corpus/<target>/. What the fuzzer adds and finds stays in the build folder.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60

fuzz:
	@scripts/install-deps build fuzz
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 -DORBULON_FUZZ=ON -DBUILD_TESTING=OFF
	cmake --build $(FUZZ_BUILD) -j2 --target fuzzers
	scripts/run-fuzz $(FUZZ_BUILD) $(FUZZ_SECONDS)

# The Debian package, from a hardened Release build installed under /usr:
# build-package/orbulon_<version>_<arch>.deb.
PACKAGE_BUILD ?= build-package

package:
	@scripts/install-deps package
	cmake -S . -B $(PACKAGE_BUILD) -G Ninja $(PACKAGE_FLAGS) $(CMAKE_FLAGS)
	cmake --build $(PACKAGE_BUILD) -j2
	cd $(PACKAGE_BUILD) && cpack -G DEB

# Every build folder the targets above make.
clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD) $(FUZZ_BUILD) $(PACKAGE_BUILD)
