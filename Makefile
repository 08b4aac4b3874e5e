# The two commands of the README do all set-up themselves:
#   make demo   install what is missing, build, answer examples/questions.txt
#   make test   install what is missing, build with sanitizers, run every test
#               (the unit and golden tests, then each fuzz target briefly)
#   make fuzz   build the fuzz targets and run each for FUZZ_SECONDS
#   make bench  micro-benchmarks, then guard side by side with its peers
#   make package  the Debian package (build/package/guard_*.deb);
#               scripts/check-package installs it and checks it
JOBS ?= $(shell nproc)
# Worktrees of one checkout share the compiler cache (see CMakeLists.txt).
export CCACHE_BASEDIR ?= $(abspath $(CURDIR)/..)
export CCACHE_NOHASHDIR ?= 1
CMAKE_FLAGS ?=
FUZZ_SECONDS ?= 60
FUZZ_CI_SECONDS ?= 60

.PHONY: all release demo test bench fuzz fuzz-build deps clean package install

all: release

# Plain `make` installs nothing: it says what is missing. `make demo` and
# `make test` install it.
deps:
	@scripts/install-deps

release:
	@scripts/install-deps --check
	@cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DGUARD_TESTS=OFF -DGUARD_STATIC=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build build/release -j $(JOBS)

demo: deps release
	@build/release/guard examples/questions.txt build/demo-answers.txt Types
	@cat build/demo-answers.txt | tr -d '\r'

test: deps
	@cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGUARD_SANITIZE=ON -DGUARD_WERROR=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build build/asan -j $(JOBS)
	@cd build/asan && ctest --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory fuzz-build
	@fuzz/run build/fuzz $(FUZZ_CI_SECONDS) --ci

# The fuzz targets: clang with AddressSanitizer and UndefinedBehaviorSanitizer.
fuzz-build:
	@scripts/install-deps --fuzz
	@cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
	  -DCMAKE_CXX_COMPILER=clang++ -DGUARD_FUZZ=ON -DGUARD_TESTS=OFF -DGUARD_WERROR=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build build/fuzz -j $(JOBS)

fuzz: fuzz-build
	@fuzz/run build/fuzz $(FUZZ_SECONDS)

# Micro-benchmarks, then guard side by side with the floor and its peers
# (bench/compare.sh). BENCH_FLAGS go to the micro-benchmark binary, e.g.
# BENCH_FLAGS=--benchmark_filter=Stream.
BENCH_FLAGS ?=
bench:
	@scripts/install-deps --bench
	@cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DGUARD_TESTS=OFF -DGUARD_BENCH=ON -DGUARD_STATIC=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build build/bench -j $(JOBS)
	@build/bench/bench/guard_bench $(BENCH_FLAGS)
	@GUARD=build/bench/guard bench/compare.sh

clean:
	rm -rf build

# The Debian package of guard, guard-shell and guard-settings with their
# manual pages: the usual dynamically linked, position-independent programs
# (a static binary is not what a distribution ships).
package:
	@scripts/install-deps --package
	@cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release -DGUARD_TESTS=OFF $(CMAKE_FLAGS) >/dev/null
	@cmake --build build/package -j $(JOBS)
	@cd build/package && cpack -G DEB >/dev/null && ls -1 $(CURDIR)/build/package/*.deb

install: release
	@cmake --install build/release
