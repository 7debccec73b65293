# Two entry points for a fresh Debian 12 machine (as root):
#   make run   installs what is missing, builds, starts the program
#   make test  installs what is missing, builds, runs every test
# and for delivery:
#   make package  builds the Debian package velkor_<version>_amd64.deb in $(BUILD_DIR)
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
HOME_DIR ?= $(CURDIR)/$(BUILD_DIR)/kurulum

.PHONY: deps configure build run test bench package clean

deps:
	bash scripts/install-deps.sh

# A new build folder is made for Ninja, which keeps both cores busy from the first unit to the
# last; a folder made earlier keeps the generator it was made with.
GENERATOR = $(if $(wildcard $(BUILD_DIR)/CMakeCache.txt),,-G Ninja)

configure: deps
	cmake -S . -B $(BUILD_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD_DIR) -j$(JOBS)

run: build
	bash scripts/run.sh "$(BUILD_DIR)" "$(HOME_DIR)"

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS) --timeout 300

bench: build
	cmake --build $(BUILD_DIR) -j$(JOBS) --target velkor-bench velkor-gui-bench
	$(BUILD_DIR)/bench/velkor-gui-bench
	$(BUILD_DIR)/bench/velkor-bench --benchmark_enable_random_interleaving=true --benchmark_out=$(BUILD_DIR)/bench/velkor-bench.json --benchmark_out_format=json
	python3 bench/summary.py $(BUILD_DIR)/bench/velkor-bench.json

package: build
	cmake --build $(BUILD_DIR) --target package

clean:
	rm -rf $(BUILD_DIR)
