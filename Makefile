# The two commands of the README: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: deps configure game release run test test-release test-sanitize bench format clean

deps:
	@deps/install.sh

configure: deps
	@cmake -S . -B $(BUILD)/release -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS) >/dev/null

# The program and its content only: a player waits for no test or benchmark.
game: configure
	@cmake --build $(BUILD)/release -j$(JOBS) --target quorvane

# Everything: the program, the tests and the benchmarks.
release: configure
	@cmake --build $(BUILD)/release -j$(JOBS)

run: game
	$(BUILD)/release/game/quorvane

# Both halves run whatever the first gives; each prints its summary, and either failing fails.
test:
	@release=0; sanitize=0; \
	$(MAKE) --no-print-directory test-release || release=$$?; \
	$(MAKE) --no-print-directory test-sanitize || sanitize=$$?; \
	echo "make test: release suite $$( [ $$release = 0 ] && echo passed || echo FAILED )," \
	     "sanitizer suite $$( [ $$sanitize = 0 ] && echo passed || echo FAILED )"; \
	[ $$release = 0 ] && [ $$sanitize = 0 ]

test-release: release
	cd $(BUILD)/release && ctest --output-on-failure -j$(JOBS)

test-sanitize: deps
	@cmake -S . -B $(BUILD)/sanitize -DCMAKE_BUILD_TYPE=Debug -DQV_SANITIZE=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD)/sanitize -j$(JOBS)
	cd $(BUILD)/sanitize && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizer/lsan.supp:print_suppressions=0 \
		ctest --output-on-failure -j$(JOBS)

bench: release
	bench/run.sh $(BUILD)/release/bench/quorvane_bench
	bench/run.sh $(BUILD)/release/bench/quorvane_whole_game
	bench/startup.sh $(BUILD)/release/game $(BUILD)/release/bench/quorvane_minimal_sdl \
		$(BUILD)/release/bench/quorvane_first_frame

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD)
