# Set-up commands: both install what is missing, build, then run.
BUILD ?= build
JOBS  ?= 2

FUZZ_SECONDS ?= 60
# QV_WERROR=ON makes every compiler warning an error (CI builds so).
QV_WERROR ?= OFF
CCACHE := $(shell command -v ccache 2>/dev/null)
LAUNCHER := $(if $(CCACHE),-DCMAKE_CXX_COMPILER_LAUNCHER=$(CCACHE) -DCMAKE_C_COMPILER_LAUNCHER=$(CCACHE))

.PHONY: deps configure build run test bench clean sanitize fuzz fuzz-pty fuzz-build manual \
  package windows-check

deps:
	./tools/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQV_WERROR=$(QV_WERROR) $(LAUNCHER) >/dev/null

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# The programs that tools/run-sample.sh starts; their data files (language
# files, bitmap library, help pages) are put beside them when the build is
# configured.
RUN_TARGETS = qv qv-cli qv-panel

run: configure
	cmake --build $(BUILD) -j $(JOBS) --target $(RUN_TARGETS)
	./tools/run-sample.sh $(BUILD)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	./tools/run-bench.sh $(BUILD)

# The Debian package build/corvel_VERSION_amd64.deb (CPack), its man pages
# and shell completion made on the way.
package: build
	cd $(BUILD) && cpack -G DEB >/dev/null && ls -1 $(abspath $(BUILD))/corvel_*_amd64.deb

# The platform layer's Windows implementations cross-compiled with MinGW-w64
# and their tests run under wine (64-bit, no display); the compiler and wine
# come from tools/install-windows-deps.sh, not from `make deps`.
WINDOWS_BUILD ?= build-windows
windows-check:
	./tools/install-windows-deps.sh
	cmake -S tests/platform -B $(WINDOWS_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_TOOLCHAIN_FILE=$(abspath cmake/mingw-w64.cmake) -DQV_WERROR=$(QV_WERROR) $(LAUNCHER) >/dev/null
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)
	WINEPREFIX=$(abspath $(WINDOWS_BUILD))/wine WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= \
	  wine $(WINDOWS_BUILD)/test_platform.exe

# The user manual (data/help/manual): its screenshots drawn by the running
# editor under xvfb-run, then its pages; not part of `make test`.
manual: configure
	cmake --build $(BUILD) -j $(JOBS) --target qv manual_shots
	./tools/make-manual-shots.sh $(BUILD)

# The whole test suite built with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer (leaks on); any finding fails it.
sanitize: deps
	CC=clang CXX=clang++ cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DQV_SANITIZE=ON -DQV_WERROR=$(QV_WERROR) $(LAUNCHER) >/dev/null
	cmake --build build-sanitize -j $(JOBS)
	cd build-sanitize && QT_QPA_PLATFORM=offscreen $(shell ./tools/sanitizer-env.sh) \
	  ctest --output-on-failure -j $(JOBS)

# The in-process libFuzzer targets of fuzz/, each run for FUZZ_SECONDS on a
# copy of its seeds; what they find is left in build-fuzz/findings/.
fuzz: fuzz-build
	./fuzz/run-fuzzers.sh build-fuzz $(FUZZ_SECONDS)

# The slow target: the transfer engine against a real pseudo-terminal.
fuzz-pty: fuzz-build
	FUZZ_LIST=slow-targets ./fuzz/run-fuzzers.sh build-fuzz $(FUZZ_SECONDS)

fuzz-build: deps
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DQV_FUZZ=ON -DQV_WERROR=$(QV_WERROR) $(LAUNCHER) >/dev/null
	cmake --build build-fuzz -j $(JOBS)

clean:
	rm -rf $(BUILD) build-sanitize build-fuzz $(WINDOWS_BUILD)
