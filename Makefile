# Velkaro: make run | make test | make demo | make bench | make fuzz | make stress | make package | make mutate
JOBS ?= $(shell nproc)
BUILD ?= build
ASAN_BUILD ?= build-asan
BENCH_BUILD ?= build-bench
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
DEMO_DIR ?= $(BUILD)/demo
MUTATE_BUILD ?= build-mutate
MUTATE_MUTANTS ?= tests/mutation/mutants.tsv,tests/mutation/mutants-2.tsv
MUTATE_TABLE ?= $(MUTATE_BUILD)/mutation.md
MUTATE_ARGS ?=

.PHONY: deps build run demo test test-asan bench fuzz stress format clean screenshots install \
	package package-test mutate

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

demo: build
	rm -rf $(DEMO_DIR) && mkdir -p $(DEMO_DIR)
	cp examples/club.* $(DEMO_DIR)/
	$(BUILD)/cli/velkaro-cli info $(DEMO_DIR)/club.xv7
	$(BUILD)/cli/velkaro-cli player list $(DEMO_DIR)/club.xv7
	$(BUILD)/cli/velkaro-cli group list $(DEMO_DIR)/club.xv7
	$(BUILD)/cli/velkaro-cli report $(DEMO_DIR)/club.xv7
	@# The Keizer, average, rating and Laren groups of the demo, each with its own columns.
	@for g in 3 4 5 6; do \
	  $(BUILD)/cli/velkaro-cli group switch $(DEMO_DIR)/club.xv7 $$g && \
	  $(BUILD)/cli/velkaro-cli report $(DEMO_DIR)/club.xv7 --options statistics || exit 1; \
	done

run: build
	rm -rf $(DEMO_DIR) && mkdir -p $(DEMO_DIR)
	cp examples/club.* $(DEMO_DIR)/
	@if [ -x $(BUILD)/ui/velkaro ] && { [ -n "$$DISPLAY" ] || [ -n "$$WAYLAND_DISPLAY" ]; }; then \
	  $(BUILD)/ui/velkaro $(DEMO_DIR)/club.xv7; \
	else \
	  $(MAKE) --no-print-directory demo; \
	fi

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	$(MAKE) --no-print-directory test-asan

# The core and its tests under AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELKARO_UI=OFF -DVELKARO_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

# Parallel changing commands with random kills on the demo and a 255-player competition;
# checks that nothing reported saved is lost and every file loads without a warning.
STRESS_ROUNDS ?= 200
stress: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS) --target velkaro-cli
	scripts/stress.py $(BUILD)/cli/velkaro-cli examples --rounds $(STRESS_ROUNDS)

bench: deps
	cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELKARO_UI=ON -DVELKARO_TESTS=OFF -DVELKARO_BENCH=ON
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	@mkdir -p $(BENCH_BUILD)/uitslagen
	@for b in $(BENCH_BUILD)/bench/bench_*; do echo "== $$b"; $$b --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
	  --benchmark_out=$(BENCH_BUILD)/uitslagen/$$(basename $$b).json --benchmark_out_format=json || exit 1; done
	@# The pruned Swiss search against the literal one over 10,000 seeded rounds.
	$(BENCH_BUILD)/bench/verschil_zwitsers 10000 500000
	@# The figures against the README's performance table: which moved by more than half.
	scripts/bench-vergelijk README.md $(BENCH_BUILD)/uitslagen/*.json

# The committed sample of source mutants, one at a time: rebuild, run the mutated folder's
# tests (then the others), and write the table of caught / survived / did not build.
# The flags of `make build` without -Werror (a mutant that only draws a warning is still a
# program to test); ccache leaves -Werror out of its hash, so the first build is served from
# the cache of `make build`.
mutate: deps
	cmake -S . -B $(MUTATE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELKARO_WERROR=OFF
	CCACHE_IGNOREOPTIONS=-Werror cmake --build $(MUTATE_BUILD) -j $(JOBS)
	CCACHE_IGNOREOPTIONS=-Werror scripts/mutate.py run --build $(MUTATE_BUILD) \
	  --mutants $(MUTATE_MUTANTS) --table $(MUTATE_TABLE) --title "$$(git describe --always --dirty)" $(MUTATE_ARGS)

fuzz: deps
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELKARO_UI=OFF -DVELKARO_TESTS=OFF -DVELKARO_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@for f in $(FUZZ_BUILD)/fuzz/fuzz_*; do echo "== $$f"; mkdir -p $(FUZZ_BUILD)/corpus/$$(basename $$f); \
	  $$f -max_total_time=$(FUZZ_SECONDS) -rss_limit_mb=2048 $(FUZZ_BUILD)/corpus/$$(basename $$f) fuzz/corpus || exit 1; done

# Pictures of the main window and every dialog, Dutch and English, under Xvfb.
screenshots: build
	QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
	  $(BUILD)/ui/velkaro-schermafdrukken examples/club.xv7 docs/screenshots

# Installs velkaro, velkaro-cli, their manual pages and bash completion, the user guide, the
# demo competition, the desktop entry, MIME type, icon and AppStream metadata
# (PREFIX=/usr/local by default).
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package, $(PACKAGE_BUILD)/velkaro_VERSION_ARCH.deb, through CPack from the same
# install rules; the tests are not built.
# Linked with Debian's hardening flags (relro, bind-now); the compile flags stay those of
# make build, so a compiler cache warm from a build of the tree serves the package too.
PACKAGE_BUILD ?= build-package
package:
	@scripts/install-deps --package
	cmake -S . -B $(PACKAGE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELKARO_TESTS=OFF \
	  -DCMAKE_CXX_FLAGS= \
	  -DCMAKE_EXE_LINKER_FLAGS="$$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get LDFLAGS)"
	cmake --build $(PACKAGE_BUILD) -j $(JOBS)
	rm -f $(PACKAGE_BUILD)/velkaro_*.deb
	cd $(PACKAGE_BUILD) && cpack -G DEB
	@ls $(PACKAGE_BUILD)/velkaro_*.deb

# Builds the package from a copy of the tree, installs it with apt-get on this machine, checks
# it as a user would, and purges it again. Needs root (or sudo); not part of make test.
package-test:
	scripts/test-package

format:
	clang-format -i $$(git ls-files '*.h' '*.cpp')

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD) $(FUZZ_BUILD) $(PACKAGE_BUILD)
