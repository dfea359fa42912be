# Entry points: `make run`, `make test`, `make bench`, `make asan`.
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps test-deps build run test bench asan clean install uninstall

all: build

deps:
	@tools/install-deps.sh build

test-deps:
	@tools/install-deps.sh test

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/kalvix

test: test-deps $(BUILD)/CMakeCache.txt
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
	rm -rf $(BUILD) build-bench build-asan

# Per-user installation: the program folder must stay writable because the
# program keeps appointments.dat beside its executable. Adds a menu entry
# and an autostart entry; uninstall leaves appointments.dat in place.
PREFIX ?= $(or $(XDG_DATA_HOME),$(HOME)/.local/share)/kalvix

install: build
	tools/install-kalvix.sh install $(BUILD) "$(PREFIX)"

uninstall:
	tools/install-kalvix.sh uninstall $(BUILD) "$(PREFIX)"
