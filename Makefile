# Glyphwright: `make run` starts the program under Wine, `make test` runs every test.
# Both install missing Debian packages first (as root), then configure and build.
BUILD  ?= build
JOBS   ?= 2
NATIVE := $(BUILD)/native
ASAN   := $(BUILD)/asan
WIN64  := $(BUILD)/win64
WIN32  := $(BUILD)/win32
FUZZ   := $(BUILD)/fuzz
INSTALL := $(WIN64)/install
FUZZ_SECONDS ?= 120

export MAKE_FON := $(abspath $(NATIVE))/make_fon

.PHONY: all deps native asan win64 win32 install run test dist bench fuzz clean

all: native win64

deps:
	@scripts/install-deps

native: deps
	@cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(NATIVE) -j$(JOBS)

asan: deps
	@cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DGW_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN) -j$(JOBS) --target unit_tests

win64: deps
	@cmake -S . -B $(WIN64) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(WIN64) -j$(JOBS)

win32: deps
	@cmake -S . -B $(WIN32) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(WIN32) -j$(JOBS)

# The program with the sample templates and configuration beside it.
install: native win64
	@scripts/lay-out-install $(WIN64)/Glyphwright.exe $(INSTALL)

run: install
	@scripts/wine-run $(INSTALL)/Glyphwright.exe

test: deps
	@scripts/test-all $(BUILD)

# The portable packages: dist/Glyphwright-<version>-win64.zip, -win32.zip and SHA256SUMS.
dist: native win64 win32
	@scripts/make-dist $(BUILD)

bench: native
	@$(NATIVE)/render_bench

fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGW_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ) -j$(JOBS) --target $$(cd fuzz && ls *.cpp | sed 's/\.cpp$$//')
	@scripts/run-fuzzers $(FUZZ) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD)
