# Tessel: the two set-up commands are `make run` and `make test`.
# Both install what is missing (Debian packages), build, and run.

BUILD       ?= build
ASAN_BUILD  ?= build-asan
BENCH_BUILD ?= build-bench
TSAN_BUILD  ?= build-tsan
FUZZ_BUILD  ?= build-fuzz
FUZZ_SECONDS ?= 25
FUZZERS     := symbols text cli db gs1 image sheet csv
JOBS        ?= $(shell nproc)
CMAKE_FLAGS ?=

export QT_QPA_PLATFORM ?= offscreen

.PHONY: all deps build run test test-fast test-asan test-tsan tsan bench fuzz tidy format format-check install clean

all: build

deps:
	@scripts/install-deps.sh

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSEL_BENCH=OFF $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

# Opens the generator's window on the desktop's display; without a display it
# writes a sample of every symbology into out/ instead.
run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then env -u QT_QPA_PLATFORM ./$(BUILD)/stripemaker; \
	else echo "No display: writing a sample of every symbology into out/ instead of opening the window."; \
	./$(BUILD)/stripemaker --samples out; fi

# The format check, every test, then every test again under AddressSanitizer and UBSan.
test: format-check test-fast test-asan

test-fast: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTESSEL_SANITIZE=ON -DTESSEL_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS="suppressions=$(CURDIR)/tests/lsan.supp print_suppressions=0" \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

# The batch on several threads under ThreadSanitizer: stripemaker and the
# command-line tests built instrumented, then the tests that run threaded
# batches. Qt itself is not instrumented; tests/tsan.supp names the few
# reports that come from inside it, each with its reason.
tsan test-tsan: deps
	cmake -S . -B $(TSAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSEL_TSAN=ON -DTESSEL_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(TSAN_BUILD) -j $(JOBS) --target stripemaker cli_tests
	TSAN_OPTIONS="suppressions=$(CURDIR)/tests/tsan.supp halt_on_error=1 exitcode=66 second_deadlock_stack=1" \
	  ./$(TSAN_BUILD)/tests/cli_tests --gtest_filter='*Thread*:*Sync*'

bench: deps
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DTESSEL_BENCH=ON $(CMAKE_FLAGS)
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target tessel_bench zint_comparison decode_files stripemaker
	./$(BENCH_BUILD)/bench/tessel_bench
	./$(BENCH_BUILD)/bench/zint_comparison

# libFuzzer targets under AddressSanitizer and UBSan (clang), each run for
# FUZZ_SECONDS from the seed corpora in fuzz/corpus/; new inputs collect in
# $(FUZZ_BUILD)/corpus/, crashes in $(FUZZ_BUILD)/crash-*. See docs/testing.md.
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DTESSEL_FUZZ=ON -DTESSEL_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzzers
	@for f in $(FUZZERS); do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$f; \
	  echo "== fuzz_$$f for $(FUZZ_SECONDS) s"; \
	  ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS="suppressions=$(CURDIR)/tests/lsan.supp print_suppressions=0" \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ./$(FUZZ_BUILD)/fuzz/fuzz_$$f -max_total_time=$(FUZZ_SECONDS) -max_len=4096 -timeout=20 \
	    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix=$(FUZZ_BUILD)/ \
	    $(FUZZ_BUILD)/corpus/$$f fuzz/corpus/$$f > $(FUZZ_BUILD)/fuzz_$$f.log 2>&1; \
	  status=$$?; \
	  grep -E '^stat::(number_of_executed_units|new_units_added)' $(FUZZ_BUILD)/fuzz_$$f.log; \
	  if [ $$status -ne 0 ]; then tail -60 $(FUZZ_BUILD)/fuzz_$$f.log; exit 1; fi; \
	done

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# clang-tidy with the checks in .clang-tidy on every source file of the
# build; any finding fails.
tidy: build
	run-clang-tidy -p $(BUILD) -quiet -j $(JOBS) '$(CURDIR)/(core|check|components|symbologies|gs1|platform|output|reader|generator|design|examples|tests)/'

# Fails when clang-format would change a tracked source file.
format-check: deps
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

install: build
	cmake --install $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(TSAN_BUILD) $(BENCH_BUILD) $(FUZZ_BUILD) out
