# Convenience targets over CMake. `make test` and `make demo` are the usual entry points.
JOBS ?= 2
BUILD_DIR := build
SAN_DIR := build-sanitize
FUZZ_DIR := build-fuzz
FUZZ_SECONDS ?= 600
# Compilations are cached where ccache is installed.
LAUNCHER := $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

.PHONY: build test test-sanitize fuzz demo bench golden verify clean

build:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release $(LAUNCHER) >/dev/null
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

test-sanitize:
	cmake -S . -B $(SAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DFRAME2D_SANITIZE=ON $(LAUNCHER) >/dev/null
	cmake --build $(SAN_DIR) -j $(JOBS)
	cd $(SAN_DIR) && ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 \
	  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

# Fuzzes the whole program (clang, libFuzzer, ASan + UBSan) for FUZZ_SECONDS; fails on a finding.
fuzz:
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DFRAME2D_FUZZ=ON $(LAUNCHER) >/dev/null
	cmake --build $(FUZZ_DIR) -j $(JOBS)
	tests/fuzz/run $(FUZZ_DIR) $(FUZZ_SECONDS)

# Analyses the example portal frame; the reports, the drawings and the page go to out/.
demo: build
	@mkdir -p out
	@echo "frame2d: examples/portal.txt -> out/portal.txt, out/portal.csv, out/portal.pipe," \
	  "out/portal.dxf, out/portal.svg, out/portal.html"
	@./$(BUILD_DIR)/frame2d -i examples/portal.txt -o out/portal.txt -c out/portal.csv \
	  -p out/portal.pipe -d out/portal.dxf -s out/portal.svg -w out/portal.html

bench: build
	@found=0; for b in $(BUILD_DIR)/bench_*; do \
	  [ -x "$$b" ] || continue; found=1; echo "== $$b"; "$$b" || exit 1; done; \
	  [ $$found = 1 ] || echo "no benchmarks yet"

# Rewrites the kept outputs of the examples that the golden-output test compares against.
golden: build
	tests/golden/regenerate

# Runs every verification problem against its closed form and rewrites docs/verification.md.
verify: build
	python3 verification/verify.py $(BUILD_DIR)/frame2d --write docs/verification.md

clean:
	rm -rf $(BUILD_DIR) $(SAN_DIR) $(FUZZ_DIR) out
