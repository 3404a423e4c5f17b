# Two commands for a fresh Debian 12 machine: `make run` and `make test`.
# Each installs what is missing, configures and builds incrementally.

JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_GEN := -G Ninja

.PHONY: run build test test-noqt deps bench fuzz install clean format format-check deb deb-test

deps:
	@./scripts/install-deps.sh

# Warnings stop the test builds (and CI); the program a user builds is not held
# up by a warning a newer compiler may add.
build: deps
	@cmake -S . -B build $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVA_BUILD_TESTS=OFF -DKORVA_WERROR=OFF >/dev/null
	@cmake --build build -j $(JOBS)

run: build
	./build/ui/korva $(ARGS)

# Tests build apart from the program, under AddressSanitizer and UBSan.
test: deps
	@cmake -S . -B build-test $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DKORVA_SANITIZE=ON >/dev/null
	@cmake --build build-test -j $(JOBS)
	@cd build-test && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

# The toolkit-free libraries, their tests and the benchmarks, built with no Qt
# at all: a Qt include below ui/ breaks this build at once.
test-noqt: deps
	@cmake -S . -B build-noqt $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DKORVA_WITH_QT=OFF -DKORVA_BUILD_BENCH=ON >/dev/null
	@cmake --build build-noqt -j $(JOBS)
	@cd build-noqt && ctest --output-on-failure -j $(JOBS)

# The code's layout is .clang-format's; `make format` applies it.
SOURCES = git ls-files -- '*.cpp' '*.h'
format:
	@$(SOURCES) | xargs clang-format -i
format-check: deps
	@$(SOURCES) | xargs clang-format --dry-run --Werror

bench: deps
	@cmake -S . -B build-bench $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DKORVA_BUILD_TESTS=OFF -DKORVA_WERROR=OFF \
	  -DKORVA_BUILD_BENCH=ON >/dev/null
	@cmake --build build-bench -j $(JOBS)
	@set -e; for b in build-bench/bench/bench_*; do \
	  [ -x "$$b" ] || continue; echo "== $$b"; \
	  QT_QPA_PLATFORM=offscreen "$$b" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true; done
	@if [ -x build-bench/bench/startup_compare ]; then echo "== build-bench/bench/startup_compare"; \
	  QT_QPA_PLATFORM=$${QT_QPA_PLATFORM:-offscreen} build-bench/bench/startup_compare; fi

# libFuzzer targets, built with clang; run one with
#   build-fuzz/fuzz/fuzz_archive -max_total_time=600 /tmp/corpus fuzz/corpus/archive
fuzz:
	@./scripts/install-deps.sh --fuzz
	@cmake -S . -B build-fuzz $(CMAKE_GEN) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DKORVA_FUZZ=ON -DKORVA_WITH_QT=OFF -DKORVA_BUILD_TESTS=OFF -DKORVA_WERROR=OFF >/dev/null
	@cmake --build build-fuzz -j $(JOBS)

# The Debian package build-deb/korva_<version>_amd64.deb, checked by lintian;
# deb-test then starts the program unpacked from it.
deb:
	@./scripts/install-deps.sh --package
	@JOBS=$(JOBS) ./scripts/build-deb.sh

deb-test: deb
	@./tests/package/unpacked_start_test.sh build-deb/korva_*_amd64.deb

install: build
	cmake --install build $(if $(PREFIX),--prefix $(PREFIX),)

clean:
	rm -rf build build-test build-noqt build-bench build-fuzz build-deb
