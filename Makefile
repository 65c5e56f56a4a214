# Entry points of the project. CMake (with Ninja) does the building; this file only
# installs what is missing, picks a build folder and runs the right targets.
#
#   make demo            build, then show a sample session
#   make test            build, then run every test (SANITIZE=1: with ASan and UBSan,
#                        TSAN=1: with ThreadSanitizer)
#   make bench           build the benchmarks in release mode and run them
#   make fuzz            build the libFuzzer targets with clang and run each briefly
#   make install         install the control library, its header and `marquee`
#   make format          reformat every source with clang-format

SHELL := /bin/bash
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
PREFIX ?= /usr/local
FUZZ_SECONDS ?= 20

# Debian packages the build, the tests, the demo and the tools need.
PACKAGES := cmake ninja-build g++ pkg-config \
	qt6-base-dev qt6-serialport-dev libpugixml-dev \
	libgtest-dev libgmock-dev libbenchmark-dev \
	socat clang libclang-rt-14-dev xvfb xauth

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

.PHONY: all deps configure build test demo bench fuzz install format clean

all: build

deps:
	@missing=""; \
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

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS) --timeout 600

demo: build
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

install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build build-asan build-tsan build-bench build-fuzz
