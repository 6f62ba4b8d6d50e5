# Tessel: the two set-up commands are `make run` and `make test`.
# Both install what is missing (Debian packages), build, and run.

BUILD       ?= build
ASAN_BUILD  ?= build-asan
BENCH_BUILD ?= build-bench
JOBS        ?= $(shell nproc)
CMAKE_FLAGS ?=

export QT_QPA_PLATFORM ?= offscreen

.PHONY: all deps build run test test-fast test-asan bench format format-check install clean

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
	ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DTESSEL_BENCH=ON $(CMAKE_FLAGS)
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target tessel_bench
	./$(BENCH_BUILD)/bench/tessel_bench

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Fails when clang-format would change a tracked source file.
format-check: deps
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

install: build
	cmake --install $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD) out
