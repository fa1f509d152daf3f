# Menulark: `make run` starts the program, `make test` runs every test,
# `make check` the core and command tests only (the quick inner loop).
# They install what they need first (Debian packages, via scripts/install-deps).

BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
PREFIX     ?= $(HOME)/.local

.PHONY: all deps build asan test check run bench clean windows test-windows package test-package

all: build

deps:
	@scripts/install-deps

# Compiles through ccache when it is installed (install-deps adds it): a
# second tree or a rebuild after `make clean` then costs little. Looked up
# when a tree is configured, after deps has run.
LAUNCHER = $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(LAUNCHER)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

$(ASAN_BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DMENULARK_SANITIZE=ON $(LAUNCHER)

asan: deps $(ASAN_BUILD)/CMakeCache.txt
	cmake --build $(ASAN_BUILD) -j $(JOBS)

# Builds both trees and runs every suite, timing each stage.
test: deps $(BUILD)/CMakeCache.txt $(ASAN_BUILD)/CMakeCache.txt
	JOBS=$(JOBS) scripts/run-tests $(BUILD) $(ASAN_BUILD)

# The core and command tests of the normal tree, in parallel: no display,
# no sanitizers, no browser, no fuzzing.
check: build
	ctest --test-dir $(BUILD) --label-regex core --output-on-failure -j $(JOBS)

run: build
	scripts/run-window $(BUILD)

bench: build
	scripts/run-benchmarks $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(WIN_BUILD) dist

# Windows, cross-built here with MinGW-w64 and tested under Wine. The first
# run builds wxWidgets for MSW into ~/.cache/menulark/ (see README.md,
# "Building for Windows"); later runs reuse it. Writes dist/Menulark-<version>-setup.exe and
# dist/Menulark-<version>-portable.zip.
WIN_BUILD ?= build-windows

windows:
	JOBS=$(JOBS) scripts/build-windows $(WIN_BUILD)

# The core, command, window and installer tests under Wine, on a private
# display with a temporary Wine prefix.
test-windows: windows
	scripts/run-windows-tests $(WIN_BUILD)

# Installs for the current user (PREFIX=... for elsewhere): the program and its
# help in $(PREFIX)/lib/menulark/, where it writes its pages; a launcher and
# menulark-page in $(PREFIX)/bin/; a menu entry and icons in $(PREFIX)/share/.
.PHONY: install uninstall
install: build
	cmake --install $(BUILD) --prefix "$(abspath $(PREFIX))"
	@scripts/refresh-desktop-caches "$(abspath $(PREFIX))"
	@echo "Menulark is installed in $(abspath $(PREFIX))/lib/menulark/ (its pages are written there)."
	@echo "Start it from the application menu, or run $(abspath $(PREFIX))/bin/menulark"

# Removes what `make install` put into $(PREFIX), and the pages written there.
uninstall:
	@scripts/uninstall "$(abspath $(PREFIX))"

# The Debian package dist/menulark_<version>_<arch>.deb (CPack's DEB
# generator; cmake/DebianPackage.cmake), after installing the packaging tools.
package: build
	@scripts/install-package-deps
	cmake --build $(BUILD) --target package-deb

# Installs that package with apt as root, uses it as an ordinary user on a
# private Xvfb, removes it again (tests/package/; skips when not root).
test-package: package
	tests/package/package_install_test.sh "$$(cat $(BUILD)/package-file)"
