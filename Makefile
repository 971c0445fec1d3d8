# Front door: `make run` to play, `make test` to test.
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=
# The asset tools need Debian's python3 modules; another python3 may come first on PATH.
PYTHON ?= $(shell for p in /usr/bin/python3 python3; do \
	$$p -c 'import PIL, numpy, fontTools' 2>/dev/null && { echo $$p; break; }; done)

.PHONY: run build test test-unit test-asan test-e2e bench assets deps format clean

run: build
	./build/void-angler

deps:
	@./scripts/install-deps.sh

build: deps
	cmake -S . -B build $(CMAKE_FLAGS)
	cmake --build build -j $(JOBS)

test: test-unit test-asan test-e2e

test-unit: build
	cd build && ctest --output-on-failure -j $(JOBS) -LE e2e

test-asan: deps
	cmake -S . -B build-asan -DSANITIZE=ON -DVA_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug $(CMAKE_FLAGS)
	cmake --build build-asan -j $(JOBS)
	cd build-asan && ASAN_OPTIONS=detect_leaks=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --output-on-failure -j $(JOBS) -LE e2e

test-e2e: build
	cd build && ctest --output-on-failure -L e2e

bench: build
	./build/bench/va_bench

assets: deps
	@test -n "$(PYTHON)" || { echo "no python3 with PIL, numpy and fontTools" >&2; exit 1; }
	$(PYTHON) tools/gen_assets.py

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build build-asan
