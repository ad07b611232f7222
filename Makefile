# make test | make demo | make bench — each installs what is missing, then builds.
# make test builds and runs every suite twice: x86-64 under 64-bit Wine and
# i686 under 32-bit Wine.
BUILD   ?= build
BUILD32 ?= build-i686
JOBS    ?= 2
WINE_RUN   = cmake/wine-run $(abspath $(BUILD))/wineprefix

.PHONY: all bootstrap configure build test demo bench fuzz soak i686 example clean

all: build

bootstrap:
	@sh scripts/bootstrap

configure: bootstrap
	@cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-x86_64.cmake \
	    -DCMAKE_BUILD_TYPE=Release >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# The 32-bit build into $(BUILD32); its programs run under 32-bit Wine.
i686: bootstrap
	@cmake -S . -B $(BUILD32) -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686.cmake \
	    -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD32) -j $(JOBS)

# Both builds first (each already uses every core), then both runs side by
# side (scripts/run-suites), ending with one summary line per architecture.
test: build i686
	@sh scripts/run-suites $(BUILD) $(BUILD32) $(JOBS)

# The installed package (cmake --install into $(BUILD)/stage), and examples/
# built against it from its own folder and run under Wine, for both builds.
example: build i686
	@sh scripts/build-example $(BUILD) cmake/toolchain-x86_64.cmake
	@sh scripts/build-example $(BUILD32) cmake/toolchain-i686.cmake --win32

demo: build
	@rm -rf out/gallery && mkdir -p out/gallery
	@$(WINE_RUN) $(BUILD)/bin/gallery.exe --out out/gallery
	@echo "gallery written to out/gallery/index.html"

bench: build
	@$(WINE_RUN) $(BUILD)/bin/bench.exe

# Mutated images and compressed streams through both loaders (make test runs a
# shorter, fixed-seed share of the same).
FUZZ_COUNT ?= 100000
FUZZ_SEED  ?= 1
fuzz: build
	@cd $(BUILD) && $(abspath cmake/wine-run) wineprefix bin/fuzz_loaders.exe \
	    --count=$(FUZZ_COUNT) --seed=$(FUZZ_SEED)

# Every control created, painted, hovered and destroyed SOAK_CYCLES times with
# GDI objects, windows and heap counted (make test runs 10 cycles).
SOAK_CYCLES ?= 1000
soak: build
	@VELU_SOAK_CYCLES=$(SOAK_CYCLES) $(WINE_RUN) $(BUILD)/bin/test_soak.exe --gtest_color=no

clean:
	rm -rf $(BUILD) $(BUILD32) out
