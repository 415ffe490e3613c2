# Velmora 9x9 Puzzle: the two commands a new user needs are `make run` and `make test`.
JOBS ?= $(shell nproc)
GENERATOR := $(shell command -v ninja >/dev/null 2>&1 && echo Ninja || echo "Unix Makefiles")

.PHONY: all deps build run test test-asan coverage bench fuzz soak install uninstall package clean

all: build

deps:
	@scripts/install-deps

build/CMakeCache.txt:
	cmake -S . -B build -G "$(GENERATOR)" -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps build/CMakeCache.txt
	cmake --build build -j $(JOBS)

run: build
	@if [ ! -x build/app/velmora-puzzle ]; then echo "the game window is not built yet"; exit 1; fi
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display found: start the game on a desktop, or try: xvfb-run build/app/velmora-puzzle"; exit 1; fi
	build/app/velmora-puzzle

# Test programs that open windows use Qt's offscreen platform, also while ctest lists their tests.
test: build
	QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j $(JOBS)

build-asan/CMakeCache.txt:
	cmake -S . -B build-asan -G "$(GENERATOR)" -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON

test-asan: deps build-asan/CMakeCache.txt
	cmake --build build-asan -j $(JOBS)
	QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --test-dir build-asan --output-on-failure -j $(JOBS)

build-coverage/CMakeCache.txt:
	cmake -S . -B build-coverage -G "$(GENERATOR)" -DCMAKE_BUILD_TYPE=Debug \
	  -DCMAKE_C_FLAGS=--coverage -DCMAKE_CXX_FLAGS=--coverage -DCMAKE_EXE_LINKER_FLAGS=--coverage

# Line coverage of the program's code by the whole test suite: the HTML report is
# build-coverage/coverage/index.html; the figures per folder are printed at the end.
coverage: deps build-coverage/CMakeCache.txt
	cmake --build build-coverage -j $(JOBS)
	find build-coverage -name '*.gcda' -delete
	QT_QPA_PLATFORM=offscreen ctest --test-dir build-coverage --output-on-failure -j $(JOBS)
	mkdir -p build-coverage/coverage
	gcovr -r . build-coverage -e 'tests/' -e 'bench/' -e 'fuzz/' -e 'build-coverage/' -j $(JOBS) \
	  --html-details build-coverage/coverage/index.html --json-summary build-coverage/coverage/summary.json
	scripts/coverage-by-folder build-coverage/coverage/summary.json

build-bench/CMakeCache.txt:
	cmake -S . -B build-bench -G "$(GENERATOR)" -DCMAKE_BUILD_TYPE=Release -DVELMORA_BENCH=ON

bench: deps build-bench/CMakeCache.txt
	cmake --build build-bench -j $(JOBS)
	@set -e; for b in build-bench/bench/*_bench; do echo "== $$b"; $$b; done

build-fuzz/CMakeCache.txt:
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -G "$(GENERATOR)" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DVELMORA_FUZZ=ON -DVELMORA_WITH_QT=OFF

# Every fuzz target for FUZZ_SECONDS each; fails on a crash, hang, leak or sanitizer report.
FUZZ_SECONDS ?= 60
fuzz: deps build-fuzz/CMakeCache.txt
	cmake --build build-fuzz --target fuzz_all -j $(JOBS)
	fuzz/run-fuzzers build-fuzz $(FUZZ_SECONDS)

# The generator soak (long): every puzzle number 1-200000 at each hole window.
soak: deps build-bench/CMakeCache.txt
	cmake --build build-bench --target generator_soak -j $(JOBS)
	build-bench/bench/generator_soak $(SOAK_ARGS)

# Installing: `make install` (PREFIX, default /usr/local; DESTDIR for a staging folder), `make uninstall`
# removes exactly the files that install wrote (listed in build/install_manifest.txt; give it the same
# DESTDIR).
PREFIX ?= /usr/local
INSTALLED_TARGETS := velmora-puzzle velmora-cli manpages

install: deps build/CMakeCache.txt
	@grep -qx 'CMAKE_INSTALL_PREFIX:PATH=$(PREFIX)' build/CMakeCache.txt || \
	  cmake -S . -B build -DCMAKE_INSTALL_PREFIX="$(PREFIX)" >/dev/null
	cmake --build build -j $(JOBS) --target $(INSTALLED_TARGETS)
	DESTDIR="$(DESTDIR)" cmake --install build

uninstall:
	@if [ ! -f build/install_manifest.txt ]; then echo "make uninstall: nothing was installed from build/"; exit 1; fi
	@while IFS= read -r file || [ -n "$$file" ]; do rm -fv -- "$(DESTDIR)$$file"; done < build/install_manifest.txt
	@doc=$$(grep '/doc/velmora-puzzle/copyright$$' build/install_manifest.txt || true); \
	  if [ -n "$$doc" ]; then rmdir --ignore-fail-on-non-empty "$(DESTDIR)$$(dirname "$$doc")" 2>/dev/null || true; fi
	@rm -f build/install_manifest.txt

# The Debian package, built in its own folder for /usr with Debian's compiler and linker flags (all
# hardening on).
PACKAGE_FLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get
build-package/CMakeCache.txt:
	cmake -S . -B build-package -G "$(GENERATOR)" -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr \
	  -DCMAKE_C_FLAGS="$$($(PACKAGE_FLAGS) CFLAGS) $$($(PACKAGE_FLAGS) CPPFLAGS)" \
	  -DCMAKE_CXX_FLAGS="$$($(PACKAGE_FLAGS) CXXFLAGS) $$($(PACKAGE_FLAGS) CPPFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$($(PACKAGE_FLAGS) LDFLAGS)"

package: deps build-package/CMakeCache.txt
	cmake --build build-package -j $(JOBS) --target $(INSTALLED_TARGETS)
	cd build-package && cpack
	@ls build-package/*.deb

clean:
	rm -rf build build-asan build-coverage build-bench build-fuzz build-package
