# Entry points for people and CI. Every target installs what is missing first.
BUILD ?= build
SAN_BUILD ?= build-sanitize
RELEASE_BUILD ?= build-release
FUZZ_BUILD ?= build-fuzz
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
# Warnings stop the build only where asked (the project's CI sets WERROR=ON).
WERROR ?= OFF
# How long `make fuzz` runs each harness.
FUZZ_SECONDS ?= 60

.PHONY: deps build run test test-sanitize release package fuzz bench format format-check tidy tidy-all clean

deps:
	@./scripts/install-deps.sh

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) -DKESTREL_WERROR=$(WERROR)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/ui/kestrel

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-sanitize: deps
	cmake -S . -B $(SAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKESTREL_SANITIZE=ON -DKESTREL_BUILD_BENCH=OFF -DKESTREL_WERROR=$(WERROR)
	cmake --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j $(JOBS)

# The optimised build a package is made from, its tests included.
release: deps
	cmake -S . -B $(RELEASE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DKESTREL_BUILD_BENCH=OFF -DKESTREL_WERROR=$(WERROR) -DCMAKE_INSTALL_PREFIX=/usr
	cmake --build $(RELEASE_BUILD) -j $(JOBS)

# kestrel_<version>_<arch>.deb in this folder.
package: release
	@./scripts/install-deps.sh package
	cd $(RELEASE_BUILD) && cpack
	cp $(RELEASE_BUILD)/package/kestrel_*.deb .

fuzz:
	@./scripts/install-deps.sh fuzz
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DKESTREL_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	./fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

bench: build
	./bench/run.sh $(BUILD)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# clang-tidy over the sources changed since TIDY_BASE (default: the last commit).
tidy: build
	@./scripts/install-deps.sh tidy
	./scripts/tidy-changed.sh $(BUILD)

# clang-tidy over every program source, JOBS at a time.
tidy-all: build
	@./scripts/install-deps.sh tidy
	JOBS=$(JOBS) ./scripts/tidy-changed.sh $(BUILD) --all

format-check: deps
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(RELEASE_BUILD) $(FUZZ_BUILD)
