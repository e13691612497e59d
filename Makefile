# Lumaret: two commands do everything on a fresh Debian machine.
#   make test   installs what is missing, builds both sides, runs every test
#   make run    builds and starts Lumaret.exe under Wine
BUILD   ?= build
NATIVE  := $(BUILD)/native
WIN     := $(BUILD)/win
JOBS    ?= $(shell nproc)

.PHONY: all deps native win test run clean

all: native win

deps:
	@bash scripts/deps.sh

native: deps
	@cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(NATIVE) -j $(JOBS) -- --no-print-directory

win: deps
	@cmake -S . -B $(WIN) -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
	@cmake --build $(WIN) -j $(JOBS) -- --no-print-directory

test: native win
	@bash scripts/test.sh $(NATIVE) $(WIN)

run: win
	@bash scripts/run.sh $(WIN)/bin

clean:
	rm -rf $(BUILD)

.PHONY: bench dist
# Figures, not tests: size, start time, memory, responsiveness, report time.
bench: win
	@bash scripts/bench.sh $(WIN)

# dist/Lumaret-<version>-win64.zip, the same bytes for the same commit.
dist: win
	@bash scripts/dist.sh $(WIN) dist
