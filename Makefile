# SPDX-License-Identifier: MIT
# Entry points of the project. CMake (with Ninja) does the building; this file only
# installs what is missing, picks a build folder and runs the right targets.
#
#   make demo            build the programs (not the tests), then show a sample session
#   make test            build everything, then run every test (SANITIZE=1: with ASan and
#                        UBSan, TSAN=1: with ThreadSanitizer)
#   make bench           build the benchmarks in release mode and run them
#   make fuzz            build the libFuzzer targets with clang and run each briefly
#   make install         install the programs, the control library and everything beside
#                        them under PREFIX (default /usr/local), inside DESTDIR when set
#   make format          reformat every source with clang-format
#
# NO_DEPS=1 skips the package check and install of `make deps` (for packagers' builds).

SHELL := /bin/bash
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
PREFIX ?= /usr/local
FUZZ_SECONDS ?= 20

# Debian packages the build, the tests, the demo and the tools need.
PACKAGES := cmake ninja-build g++ pkg-config \
	qt6-base-dev qt6-serialport-dev libpugixml-dev \
	libgtest-dev libgmock-dev libbenchmark-dev \
	socat clang libclang-rt-14-dev xvfb xauth \
	help2man librsvg2-bin desktop-file-utils appstream

ifeq ($(SANITIZE),1)
BUILD_DIR ?= build-asan
CMAKE_FLAGS += -DCMAKE_BUILD_TYPE=Debug -DZTK_SANITIZE=address
else ifeq ($(TSAN),1)
BUILD_DIR ?= build-tsan
CMAKE_FLAGS += -DCMAKE_BUILD_TYPE=Debug -DZTK_SANITIZE=thread
else
BUILD_DIR ?= build
CMAKE_FLAGS += -DCMAKE_BUILD_TYPE=RelWithDebInfo
endif

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# What a first `make demo` costs, measured from a clean clone (README: First steps).
FIRST_BUILD_NOTE := A first build of the programs takes about 4 minutes on two idle cores \
	(later builds redo only what changed); the demo runs after it.

.PHONY: all deps configure build programs first-build-note test demo bench fuzz install format \
	clean

all: build

deps:
	@if [ "$(NO_DEPS)" = 1 ]; then echo "NO_DEPS=1: the build packages are not checked."; exit 0; fi; \
	missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	else \
	  echo "All build packages are installed."; \
	fi

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS)

configure: $(BUILD_DIR)/build.ninja

build: deps configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

# The programs only: what the demo runs. A first build says first what it will take.
programs: first-build-note deps configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target programs

first-build-note:
	@[ -x $(BUILD_DIR)/host/marquee ] || echo "$(FIRST_BUILD_NOTE)"

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS) --timeout 600

demo: programs
	BUILD_DIR=$(BUILD_DIR) ./examples/demo.sh

bench: deps
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DZTK_BENCH=ON
	cmake --build build-bench -j $(JOBS) --target benchmarks
	cmake --build build-bench --target run-benchmarks

fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DZTK_FUZZ=ON
	cmake --build build-fuzz -j $(JOBS) --target fuzzers
	FUZZ_SECONDS=$(FUZZ_SECONDS) ./fuzz/run.sh build-fuzz

# The prefix is configured, not only given to the install step: it decides whether the
# programs need a RUNPATH to find the library.
install: deps configure
	cmake -S . -B $(BUILD_DIR) -DCMAKE_INSTALL_PREFIX=$(PREFIX)
	cmake --build $(BUILD_DIR) -j $(JOBS)
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build build-asan build-tsan build-bench build-fuzz
