# Front door: `make run` to play, `make test` to test.
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=
# The asset tools need Debian's python3 modules; another python3 may come first on PATH.
PYTHON ?= $(shell for p in /usr/bin/python3 python3; do \
	$$p -c 'import PIL, numpy, fontTools' 2>/dev/null && { echo $$p; break; }; done)

.PHONY: run build test test-unit test-asan test-e2e test-fuzz fuzz build-fuzz bench perf-e2e assets deps format clean \
	install uninstall screenshot package test-package replays web web-run test-web perf-web \
	windows windows-zip test-windows

run: build
	./build/void-angler

# What `deps` installs (scripts/install-deps.sh): playing needs the compiler, CMake and SDL's
# development packages only; every target that tests, packages or cross-builds installs it all.
DEPS ?= play
deps:
	@./scripts/install-deps.sh $(DEPS)

test test-unit test-asan test-e2e test-fuzz fuzz build-fuzz replays bench perf-e2e web web-run test-web perf-web \
	windows windows-zip test-windows package test-package screenshot: DEPS = test
assets: DEPS = assets

build: deps
	cmake -S . -B build $(CMAKE_FLAGS)
	cmake --build build -j $(JOBS)

test: test-unit test-asan test-e2e test-fuzz test-package test-web test-windows

# --no-tests=error: a build whose tests were left out (no GoogleTest) must not pass for tested.
test-unit: build
	cd build && ctest --output-on-failure --no-tests=error -j $(JOBS) -LE e2e

test-asan: deps
	cmake -S . -B build-asan -DSANITIZE=ON -DVA_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON $(CMAKE_FLAGS)
	cmake --build build-asan -j $(JOBS)
	cd build-asan && ASAN_OPTIONS=detect_leaks=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --output-on-failure --no-tests=error -j $(JOBS) -LE e2e

test-e2e: build
	cd build && ctest --output-on-failure --no-tests=error -L e2e

# The readers under libFuzzer, built by CMake with Debian's clang in their own folder.
FUZZ_SECONDS ?= 60
FUZZ_TARGETS = game_state_fuzz recording_fuzz recording_round_trip_fuzz score_table_fuzz \
	settings_fuzz

build-fuzz: deps
	cmake -S . -B build-fuzz -DVA_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ -DBUILD_TESTING=OFF -DVA_BENCH=OFF \
		$(CMAKE_FLAGS)
	cmake --build build-fuzz -j $(JOBS) --target $(FUZZ_TARGETS)

# Each target runs in a scratch directory on tmpfs (every save syncs twice); new inputs go to a
# scratch corpus, so the committed seeds stay as they are. Crash inputs land in build-fuzz/.
fuzz: build-fuzz
	@for target in game_state_fuzz:corpus recording_fuzz:recording/corpus \
			recording_round_trip_fuzz:round_trip/corpus score_table_fuzz:scores/corpus \
			settings_fuzz:settings/corpus; do \
		bin=$${target%%:*}; seeds=$(CURDIR)/tests/fuzz/$${target#*:}; \
		dir=$$(mktemp -d /dev/shm/va-fuzz.XXXXXX 2>/dev/null || mktemp -d) && mkdir "$$dir/corpus" && \
		(cd "$$dir" && $(CURDIR)/build-fuzz/$$bin -max_total_time=$(FUZZ_SECONDS) \
			-print_final_stats=1 -artifact_prefix=$(CURDIR)/build-fuzz/ corpus $$seeds); \
		status=$$?; rm -rf "$$dir"; [ $$status -eq 0 ] || exit $$status; \
	done

test-fuzz: FUZZ_SECONDS = 20
test-fuzz: fuzz

# After a deliberate change of behaviour: replays the stored inputs and clock readings through
# this build and rewrites only the digests (and the logs), naming each one's first changed frame.
# The frames it digests are kept as PNG in build/replay-pictures/ for the tests to show.
replays: build
	cmake --build build -j $(JOBS) --target va_replay_check
	for f in tests/replays/*.rec; do \
		XDG_CONFIG_HOME=$(CURDIR)/build/config APPDATA=$(CURDIR)/build/config ./build/tools/replay_check/va_replay_check "$$f" --redigest --pictures build/replay-pictures || exit 1; \
	done

# Release without sanitizers in its own directory: the figures are the shipped game's.
bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DSANITIZE=OFF -DBUILD_TESTING=OFF $(CMAKE_FLAGS)
	cmake --build build-bench -j $(JOBS) --target va_bench
	./build-bench/bench/va_bench

# The real game under Xvfb, full-screen then windowed: idle scene against heavy scene (about
# 90 s); fails when an aim is missed. A benchmark: never part of `make test`.
perf-e2e: build
	./scripts/perf-e2e.sh build/void-angler

# The browser build: SDL libraries from Debian's sources into build-web/deps (cached), then the
# game with emscripten. Another node than Debian's finds Debian's acorn only through NODE_PATH.
WEB_DEPS = $(CURDIR)/build-web/deps
web: export NODE_PATH := /usr/share/nodejs$(if $(NODE_PATH),:$(NODE_PATH))
web: deps
	./scripts/build-sdl-libs.sh web $(WEB_DEPS)
	emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DVA_BENCH=OFF \
		-DCMAKE_PREFIX_PATH=$(WEB_DEPS) -DCMAKE_FIND_ROOT_PATH=$(WEB_DEPS) $(CMAKE_FLAGS)
	cmake --build build-web -j $(JOBS)

WEB_PORT ?= 8023
web-run: web
	node scripts/serve-web.mjs build-web $(WEB_PORT)

# The browser build in Debian's headless chromium, through puppeteer-core pinned in
# tests/web's lockfile and installed beside the build.
WEB_NODE = build-web/node
$(WEB_NODE)/.installed: tests/web/package.json tests/web/package-lock.json
	mkdir -p $(WEB_NODE) && cp $^ $(WEB_NODE)/
	cd $(WEB_NODE) && npm ci --no-audit --no-fund --loglevel=error
	touch $@

test-web: web build $(WEB_NODE)/.installed
	node tests/web/browser_test.mjs build-web
	node tests/web/offline_test.mjs build-web
	node tests/web/phone_test.mjs build-web

# The browser's idle and heavy scene, as perf-e2e measures the desktop (about 40 s).
perf-web: web $(WEB_NODE)/.installed
	node scripts/perf-web.mjs build-web

# Windows: cross-built with mingw-w64 against SDL DLLs built from Debian's sources, tested under
# Wine. build-win/ holds the libraries, the game, void-angler-<version>-win64.zip and Wine's prefix.
WIN_DEPS = $(CURDIR)/build-win/deps

windows: deps
	./scripts/build-sdl-libs.sh win64 $(WIN_DEPS)
	cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake \
		-DCMAKE_PREFIX_PATH=$(WIN_DEPS) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON $(CMAKE_FLAGS)
	cmake --build build-win -j $(JOBS)

windows-zip: windows
	cmake --build build-win --target windows-zip

# The unit tests under Wine, then the zip's DLLs and its game. The recording-path refusals are
# left out there: their rows lean on /proc, /dev/full and files written with Unix line ends.
# Without mingw-w64 or Wine this says it skipped, and fails in CI, which must never pass without them. Wine's prefix is made
# first, so no test program's listing waits for it. The stored replays are gates here too: the
# simulation's maths is the game's own, the same bits as on Linux.
test-windows:
	@if ! command -v x86_64-w64-mingw32-g++-win32 >/dev/null || ! command -v wine >/dev/null; then \
		echo "test-windows: SKIPPED: no mingw-w64 or Wine (scripts/install-deps.sh installs them)"; \
		[ "$${CI:-}" != true ]; \
	else \
		$(MAKE) windows-zip && ./scripts/wine-run --version && \
		cd build-win && ctest --output-on-failure --no-tests=error -j $(JOBS) -E PathsThatMustNotTakeARecording; \
	fi

# Installs the game, its desktop launcher, icons and man page under PREFIX; sudo only when
# PREFIX (or the nearest folder of it that exists) is not writable.
PREFIX ?= /usr/local
SUDO ?= $(shell p="$(PREFIX)"; while [ ! -e "$$p" ]; do p=$$(dirname "$$p"); done; \
	[ -w "$$p" ] || echo sudo)

install: build
	$(SUDO) cmake --install build --prefix "$(PREFIX)"

# Removes what the last install wrote (CMake's list of it); the players' saves stay.
uninstall:
	@test -f build/install_manifest.txt || { echo "nothing installed from build/" >&2; exit 1; }
	$(SUDO) xargs -d '\n' rm -f -- <build/install_manifest.txt
	sed -nE 's,^(.*/(libexec|share|share/doc)/void-angler)/.*,\1,p' build/install_manifest.txt | sort -u | \
		$(SUDO) xargs -d '\n' -r -I{} find {} -depth -type d -empty -delete

# The Debian package: a Release build of its own with Debian's flags (-O2: GCC 12 at -O3 warns
# falsely inside std::string) and hardening, stripped by CPack; the command goes to /usr/games, as
# Debian wants of games.
PKG_FLAGS = -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE=-DNDEBUG -DBUILD_TESTING=OFF \
	-DVA_BENCH=OFF -DCMAKE_INSTALL_BINDIR=games \
	-DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS)" \
	-DCMAKE_EXE_LINKER_FLAGS="$$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get LDFLAGS)"

package: deps
	cmake -S . -B build-pkg $(PKG_FLAGS) $(CMAKE_FLAGS)
	cmake --build build-pkg -j $(JOBS)
	cd build-pkg && cpack

# Its files against the install rules, the validators and lintian; then apt install, play and
# purge, which runs only where VA_APT_INSTALL_TEST=1 asks for it (CI's own machine).
test-package: package
	./tests/package/package_test.sh build-pkg

# docs/screenshot.png: the game in play under Xvfb and openbox.
screenshot: build
	./scripts/screenshot.sh build/void-angler docs/screenshot.png

assets: deps
	@test -n "$(PYTHON)" || { echo "no python3 with PIL, numpy and fontTools" >&2; exit 1; }
	$(PYTHON) tools/gen_assets.py

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build build-asan build-fuzz build-bench build-pkg build-web build-win
