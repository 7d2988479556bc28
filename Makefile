# The two commands a newcomer needs: `make run` and `make test`.
# Everything else is a convenience on top of CMake.
BUILD_DIR ?= build
SAN_BUILD_DIR ?= build-sanitize
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: deps configure build run test test-fast bench contact-sheet clean

deps:
	@bash scripts/install-deps.sh

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS)

configure: deps $(BUILD_DIR)/build.ninja

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@bash scripts/run.sh $(BUILD_DIR)/app/numberlark

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

contact-sheet: build
	cmake --build $(BUILD_DIR) --target contact-sheet

clean:
	rm -rf $(BUILD_DIR) $(SAN_BUILD_DIR)
