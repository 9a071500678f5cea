# Entry points on a fresh Debian 12 machine (as root): `make demo`, `make test`, `make bench`.
# Each installs what it needs first (scripts/install-deps.sh), then configures and builds with CMake + Ninja.

BUILD ?= build
TOOLCHAIN := $(CURDIR)/cmake/toolchain-mingw-w64.cmake
JOBS ?= $(shell nproc)

.PHONY: all deps build build-unicode build-ansi test soak demo bench package format clean

all: build

deps:
	@scripts/install-deps.sh

$(BUILD)/unicode/build.ninja: | deps
	cmake -S . -B $(BUILD)/unicode -G Ninja -DCMAKE_TOOLCHAIN_FILE=$(TOOLCHAIN) -DRIZ_CHARSET=UNICODE

$(BUILD)/ansi/build.ninja: | deps
	cmake -S . -B $(BUILD)/ansi -G Ninja -DCMAKE_TOOLCHAIN_FILE=$(TOOLCHAIN) -DRIZ_CHARSET=MBCS

build-unicode: deps $(BUILD)/unicode/build.ninja
	cmake --build $(BUILD)/unicode -j $(JOBS)

build-ansi: deps $(BUILD)/ansi/build.ninja
	cmake --build $(BUILD)/ansi -j $(JOBS)

build: build-unicode build-ansi

# Both character sets, every test under Wine; non-zero exit when anything fails.
test: build
	@scripts/test.sh $(BUILD)/unicode $(BUILD)/ansi

# The soak tests with their full 10,000 create/destroy cycles, both character sets (`make test` runs 1,000).
soak: build
	@RIZ_CTEST_ARGS="-L soak" scripts/test.sh $(BUILD)/unicode $(BUILD)/ansi

# The gallery: a window on $DISPLAY, or PNG screenshots of every page in out/gallery/ without one.
demo: build-unicode
	@scripts/demo.sh $(BUILD)/unicode out/gallery

bench: build-unicode
	@scripts/bench.sh $(BUILD)/unicode

# Installs the package (headers, import libraries, DLLs, CMake config) into PREFIX.
PREFIX ?= $(CURDIR)/out/package
package: build-unicode
	cmake --install $(BUILD)/unicode --prefix $(PREFIX)

format:
	@git ls-files '*.h' '*.cpp' | xargs clang-format -i

clean:
	rm -rf $(BUILD) out
