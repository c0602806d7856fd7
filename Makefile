# The two commands a newcomer needs: `make run` and `make test`.
# Both install what is missing (Debian 12, as root), configure and build first.

BUILD      ?= build
SANITIZE   := $(BUILD)/sanitize
BENCHDIR   := $(BUILD)/bench
GENERATOR  := -G Ninja
JOBS       ?= $(shell nproc)

.PHONY: all deps configure build test test-core-sanitized run bench format clean package \
	windows test-windows

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test: build test-core-sanitized
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The Qt-free core and its tests again, under AddressSanitizer and UBSan.
test-core-sanitized: deps
	@cmake -S . -B $(SANITIZE) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug \
		-DQ731_CORE_ONLY=ON -DQ731_SANITIZE=ON >/dev/null
	@cmake --build $(SANITIZE) -j $(JOBS)
	@cd $(SANITIZE) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --output-on-failure -j $(JOBS)

# The Debian package build/q731_<version>_<arch>.deb (CPack).
package: build
	@cd $(BUILD) && cpack -G DEB

# Starts the window program with a simulated radio as port 1.
run: build
	@scripts/run-with-simulator $(BUILD)

bench: deps
	@cmake -S . -B $(BENCHDIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release \
		-DQ731_BENCHMARKS=ON >/dev/null
	@cmake --build $(BENCHDIR) -j $(JOBS)
	@scripts/run-benchmarks $(BENCHDIR)

# The Windows programs and test programs, cross-built with MinGW-w64 into
# build-windows/ against the Qt for MinGW named by QT_MINGW_PREFIX (else the
# shared tarball, unpacked there), with their zip and installer, which carry
# the manual of the Linux build; the tests run under Wine.
WINBUILD ?= build-windows

windows:
	@scripts/install-deps windows
	@JOBS=$(JOBS) LINUX_BUILD=$(BUILD) scripts/build-windows $(WINBUILD)

test-windows: windows build
	@scripts/test-windows $(WINBUILD)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD) $(WINBUILD)
