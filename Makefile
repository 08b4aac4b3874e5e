# The two commands of the README do all set-up themselves:
#   make demo   install what is missing, build, answer examples/questions.txt
#   make test   install what is missing, build with sanitizers, run every test
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all release demo test bench fuzz deps clean

all: release

deps:
	@scripts/install-deps

release: deps
	@cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DGUARD_TESTS=OFF $(CMAKE_FLAGS) >/dev/null
	@cmake --build build/release -j $(JOBS)

demo: release
	@build/release/guard examples/questions.txt build/demo-answers.txt Types
	@cat build/demo-answers.txt | tr -d '\r'

test: deps
	@cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGUARD_SANITIZE=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build build/asan -j $(JOBS)
	@cd build/asan && ctest --output-on-failure -j $(JOBS)

# Micro-benchmarks, then guard side by side with the floor and its peers
# (bench/compare.sh). BENCH_FLAGS go to the micro-benchmark binary, e.g.
# BENCH_FLAGS=--benchmark_filter=Stream.
BENCH_FLAGS ?=
bench:
	@scripts/install-deps --bench
	@cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DGUARD_TESTS=OFF -DGUARD_BENCH=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build build/bench -j $(JOBS)
	@build/bench/bench/guard_bench $(BENCH_FLAGS)
	@GUARD=build/bench/guard bench/compare.sh

clean:
	rm -rf build
