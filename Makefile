# Set-up, build, run and test on Debian. `make run` and `make test` install what is missing.
BUILD ?= build
JOBS ?= $(shell nproc)
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# Build and run time: compiler, Qt 6 with SQLite and the SVG renderer that draws the logo, the
# Courier-compatible fonts, the SQLite shell that makes the database file, the SVG renderer that makes the icon's PNGs, the test
# and benchmark libraries, and the PDF reader that checks where printed text lands. Packaging: the desktop entry and AppStream validators, and
# dpkg-shlibdeps for the package's library dependencies.
PACKAGES := cmake make g++ qt6-base-dev qt6-svg-dev libqt6sql6-sqlite libgl-dev libx11-dev fonts-liberation2 \
            sqlite3 librsvg2-bin libgtest-dev libgmock-dev libbenchmark-dev poppler-utils \
            desktop-file-utils appstream dpkg-dev

.PHONY: all deps configure build run test test-slow test-asan package bench fuzz clean

all: build

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -q && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -q --no-install-recommends $$missing; \
	fi

# Extra cmake options, e.g. CMAKE_ARGS=-DQUILLORY_WERROR=ON (continuous integration).
CMAKE_ARGS ?=

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/quillory

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) --timeout 600 -LE slow

# The long, randomised tests left out of `make test` (a writer killed many times while storing).
test-slow: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) --timeout 600 -L slow

# The whole suite again in a build with AddressSanitizer and UndefinedBehaviorSanitizer: any
# memory error, leak or undefined behaviour fails its test (Qt's own libraries report no leaks,
# so nothing is suppressed).
SANITIZER_ENV := ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1 \
                 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

test-asan: deps
	cmake -S . -B $(BUILD)-asan -DCMAKE_BUILD_TYPE=Debug -DQUILLORY_SANITIZE=ON $(CMAKE_ARGS)
	cmake --build $(BUILD)-asan -j $(JOBS)
	cd $(BUILD)-asan && $(SANITIZER_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) --timeout 900 -LE slow

# libFuzzer runs of the money parser, the amount formatting, the number text rules and the
# combo prefix search, FUZZ_SECONDS each. New inputs collect in $(BUILD)-fuzz/corpus; the seeds
# in fuzz/corpus stay as they are. Not part of `make test`.
FUZZ_SECONDS ?= 20
FUZZ_TARGETS := money format_amount number_text combo_search
FUZZ_PACKAGES := clang libclang-rt-14-dev

fuzz:
	@$(MAKE) --no-print-directory deps PACKAGES="$(PACKAGES) $(FUZZ_PACKAGES)"
	CXX=clang++ cmake -S . -B $(BUILD)-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLORY_BUILD_FUZZ=ON \
	  -DQUILLORY_BUILD_TESTS=OFF
	cmake --build $(BUILD)-fuzz -j $(JOBS) --target fuzz_targets
	@for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(BUILD)-fuzz/corpus/$$t $(BUILD)-fuzz/findings; \
	  echo "== $$t"; \
	  $(BUILD)-fuzz/bin/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    -artifact_prefix=$(BUILD)-fuzz/findings/$$t- $(BUILD)-fuzz/corpus/$$t fuzz/corpus/$$t \
	    2>$(BUILD)-fuzz/$$t.log || { tail -40 $(BUILD)-fuzz/$$t.log; exit 1; }; \
	  grep -E '^stat::(number_of_executed_units|new_units_added)' $(BUILD)-fuzz/$$t.log; \
	done

# The Debian package, build/quillory_<version>_<arch>.deb; install it with
# `sudo apt install ./build/quillory_*.deb`.
package: build
	cmake --build $(BUILD) --target package

bench: deps
	cmake -S . -B $(BUILD)-bench -DCMAKE_BUILD_TYPE=Release -DQUILLORY_BUILD_BENCH=ON -DQUILLORY_BUILD_TESTS=OFF
	cmake --build $(BUILD)-bench -j $(JOBS)
	for b in $(BUILD)-bench/bin/*_bench; do QT_QPA_PLATFORM=offscreen $$b; done

clean:
	rm -rf $(BUILD) $(BUILD)-asan $(BUILD)-fuzz
