# make run   installs what is missing, builds Release and starts the program
# make test  installs, builds and runs every test (also in the sanitizer build)
# make screenshot  a picture of the main window with the example document
# make package  a Debian package (build/kelvora_<version>_<arch>.deb)

JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60
TIMED = scripts/timed.sh
# The phases of `make test` list their times here, for the summary at its end.
export KELVORA_PHASE_LOG ?= $(CURDIR)/build/phase-times.txt
# Both builds compile through ccache where it is installed (cmake/ccache.cmake), into this cache.
export KELVORA_CCACHE_DIR ?= $(or $(XDG_CACHE_HOME),$(HOME)/.cache)/kelvora-ccache
CCACHE = ! command -v ccache >/dev/null || CCACHE_DIR=$(KELVORA_CCACHE_DIR) ccache

.PHONY: deps build run screenshot test test-release test-sanitize package fuzz bench format clean

deps:
	@scripts/install-deps.sh

build: deps
	@cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
	@$(TIMED) "release build" cmake --build build -j $(JOBS)

run: build
	./build/bin/kelvora

# A picture of the main window with the example document, taken on a virtual screen.
screenshot: build
	scripts/screenshot.sh build build/screenshot.png

# Ends with the time of each phase and how much of the compiling the cache answered.
test:
	@mkdir -p build && rm -f $(KELVORA_PHASE_LOG)
	@$(CCACHE) --zero-stats >/dev/null
	@$(MAKE) --no-print-directory test-release test-sanitize
	@echo "== Phase times"; cat $(KELVORA_PHASE_LOG)
	@$(CCACHE) --show-stats

test-release: build
	@$(TIMED) "release tests" ctest --test-dir build --output-on-failure -j $(JOBS)

test-sanitize: deps
	@cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKELVORA_SANITIZE=ON -DKELVORA_BENCH=OFF >/dev/null
	@$(TIMED) "sanitizer build" cmake --build build-asan -j $(JOBS)
	@$(TIMED) "sanitizer tests" ctest --test-dir build-asan --output-on-failure -j $(JOBS)

# A Debian package of the installed program, in build/.
package: build
	cd build && cpack -G DEB

# The calculation target reads the reference data the ordinary build compiles.
fuzz: build
	@cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DKELVORA_FUZZ=ON >/dev/null
	@cmake --build build-fuzz -j $(JOBS)
	@mkdir -p build-fuzz/corpus build-fuzz/corpus-calculation
	./build-fuzz/bin/archive_fuzz -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 build-fuzz/corpus tests/fuzz/corpus/archive
	./build-fuzz/bin/calculation_fuzz -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 build-fuzz/corpus-calculation tests/fuzz/corpus/calculation

bench: build
	./build/bin/archive_bench
	./build/bin/heatloss_bench
	./build/bin/run_bench
	./build/bin/report_bench
	./build/bin/schedule_bench

format:
	find src tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf build build-asan build-fuzz
