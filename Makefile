# Entry points: `make run`, `make test`, `make bench`, `make asan`.
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
# WERROR=1 (CI) turns compiler warnings into errors in the build that
# `make test` runs; a developer's build only shows them.
WERROR ?=
WERROR_FLAG = -DKALVIX_WERROR=$(if $(WERROR),ON,OFF)

.PHONY: all deps test-deps build run test bench asan clean install uninstall release deb test-deb

all: build

deps:
	@tools/install-deps.sh build

test-deps:
	@tools/install-deps.sh test

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS) $(WERROR_FLAG)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/kalvix

test: test-deps $(BUILD)/CMakeCache.txt
	$(if $(WERROR),cmake -S . -B $(BUILD) $(WERROR_FLAG))
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: test-deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release
	cmake --build build-bench -j $(JOBS) --target benches
	tools/run-benches.sh build-bench

asan: test-deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DKALVIX_SANITIZE=ON
	cmake --build build-asan -j $(JOBS)
	cd build-asan && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan.supp \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS) -LE nosan

clean:
	rm -rf $(BUILD) build-bench build-asan $(RELEASE)

# Per-user installation: the program folder must stay writable because the
# program keeps appointments.dat beside its executable. Adds a menu entry
# and an autostart entry; uninstall leaves appointments.dat in place.
PREFIX ?= $(or $(XDG_DATA_HOME),$(HOME)/.local/share)/kalvix

# What is installed or packaged is built on its own: optimised, and only the
# program with the library it loads (no tests, no benchmarks).
RELEASE ?= build-release

release: deps
	cmake -S . -B $(RELEASE) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(RELEASE) -j $(JOBS) --target kalvix

install: release
	tools/install-kalvix.sh install $(RELEASE) "$(PREFIX)"

# A Debian package for a system-wide installation: /usr/bin/kalvix, the menu
# entry, icons and AppStream data; each user's appointments live in
# $$XDG_DATA_HOME/kalvix. Installs with `apt install ./$(RELEASE)/kalvix_*.deb`.
deb: release
	cd $(RELEASE) && cpack -G DEB

# Installs the package into a fresh Debian chroot, starts it there on a
# virtual display and removes it again (needs root and network).
test-deb: deb
	@tools/install-deps.sh package
	tools/test-deb.sh $(RELEASE)

uninstall:
	tools/install-kalvix.sh uninstall $(RELEASE) "$(PREFIX)"
