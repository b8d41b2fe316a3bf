# The two commands of the README, and a few more for maintainers.
BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: all build run test clean

all: build

build:
	@scripts/install-deps build
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)
	cmake --build $(BUILD)

run:
	@scripts/install-deps run
	$(MAKE) --no-print-directory build
	$(BUILD)/bin/orbulon

# Every test, headless: the window tests draw offscreen, the end-to-end test under Xvfb.
test:
	@scripts/install-deps test
	$(MAKE) --no-print-directory build
	scripts/run-tests $(BUILD)

clean:
	rm -rf $(BUILD)
