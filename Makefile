# Set-up commands: both install what is missing, build, then run.
BUILD ?= build
JOBS  ?= 2

.PHONY: deps configure build run test bench clean

deps:
	./tools/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# The programs that tools/run-sample.sh starts; their data files (language
# files, bitmap library) are put beside them when the build is configured.
RUN_TARGETS = qv-cli qv-panel

run: configure
	cmake --build $(BUILD) -j $(JOBS) --target $(RUN_TARGETS)
	./tools/run-sample.sh $(BUILD)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	./tools/run-bench.sh $(BUILD)

clean:
	rm -rf $(BUILD)
