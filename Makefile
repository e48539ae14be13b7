# The README's commands. Everything else is CMake's job.
BUILD_DIR ?= build
JOBS      ?= $(shell nproc)

# Instrumented builds of their own: the core tests under AddressSanitizer
# and UndefinedBehaviorSanitizer, and the libFuzzer targets (clang).
ASAN_DIR     ?= build-asan
FUZZ_DIR     ?= build-fuzz
COVERAGE_DIR ?= build-coverage
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?= ini form project clipboard bitmapbits
# Any report fails the run, leaks included.
SANITIZER_ENV = ASAN_OPTIONS=abort_on_error=1:strict_string_checks=1 \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 QT_QPA_PLATFORM=offscreen
# The fuzz targets keep their application object for the whole process, and
# leaks are the sanitized test run's to find.
FUZZ_ENV = ASAN_OPTIONS=detect_leaks=0:abort_on_error=1:strict_string_checks=1 \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

.PHONY: all deps configure build run test sanitize fuzz coverage clean

all: build

deps:
	@./tools/install-deps.sh

$(BUILD_DIR)/build.ninja: | deps
	cmake -S . -B $(BUILD_DIR) -G Ninja

configure: deps $(BUILD_DIR)/build.ninja

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

# The designer on an example project of one library (EXAMPLE=ccontrols or
# ptoolbox). It opens a copy in the build tree, made once, so the shipped
# files stay as they are and the user's changes to the copy stay too.
EXAMPLE ?= ccontrols
run: configure
	cmake --build $(BUILD_DIR) --target zentiform -j $(JOBS)
	@test -d $(BUILD_DIR)/examples/$(EXAMPLE) || { mkdir -p $(BUILD_DIR)/examples && cp -R data/examples/$(EXAMPLE) $(BUILD_DIR)/examples/; }
	$(BUILD_DIR)/bin/zentiform $(BUILD_DIR)/examples/$(EXAMPLE)/*.zpj

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	@if [ -n "$$CI" ]; then $(MAKE) --no-print-directory sanitize; fi

# Only the core and its tests: the windows add build time and no coverage the
# core tests lack.
sanitize: deps
	cmake -S . -B $(ASAN_DIR) -G Ninja -DZENTIFORM_SANITIZE=ON -DZENTIFORM_BUILD_BENCHMARKS=OFF
	cmake --build $(ASAN_DIR) -j $(JOBS) --target zentiform_core_tests
	cd $(ASAN_DIR) && $(SANITIZER_ENV) ./bin/zentiform_core_tests --gtest_brief=1

# Runs each fuzz target for FUZZ_SECONDS on its seeds (tests/fuzz/corpus) and
# what earlier runs found ($(FUZZ_DIR)/corpus); a crash leaves its input in
# $(FUZZ_DIR)/artifacts and stops the run. The paths are absolute: a target
# may work in a folder of its own.
fuzz:
	@./tools/install-deps.sh fuzz
	cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DZENTIFORM_FUZZ=ON \
		-DZENTIFORM_BUILD_TESTS=OFF -DZENTIFORM_BUILD_BENCHMARKS=OFF
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_targets
	@mkdir -p $(FUZZ_DIR)/artifacts
	@for t in $(FUZZ_TARGETS); do \
		mkdir -p $(FUZZ_DIR)/corpus/$$t; \
		echo "fuzz_$$t: $(FUZZ_SECONDS) s"; \
		$(FUZZ_ENV) $(FUZZ_DIR)/bin/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) \
			-print_final_stats=1 -artifact_prefix=$(abspath $(FUZZ_DIR))/artifacts/$$t- \
			$(abspath $(FUZZ_DIR))/corpus/$$t $(CURDIR)/tests/fuzz/corpus/$$t || exit 1; \
	done

# Line and branch coverage of src/core by the core tests, which also run the
# command-line tool. The counters start from zero on each run, so the figures
# are those of this run alone; a failing test still gets its report, and the
# target then fails. Branches that only throw or that the compiler proved
# unreachable are left out: they are not decisions in our code.
# The report: $(COVERAGE_DIR)/coverage/index.html.
coverage:
	@./tools/install-deps.sh coverage
	cmake -S . -B $(COVERAGE_DIR) -G Ninja -DZENTIFORM_COVERAGE=ON -DCMAKE_BUILD_TYPE=Debug \
		-DZENTIFORM_BUILD_BENCHMARKS=OFF
	cmake --build $(COVERAGE_DIR) -j $(JOBS) --target zentiform_core_tests
	find $(COVERAGE_DIR) -name '*.gcda' -delete
	@mkdir -p $(COVERAGE_DIR)/coverage
	cd $(COVERAGE_DIR) && QT_QPA_PLATFORM=offscreen ./bin/zentiform_core_tests --gtest_brief=1; \
	status=$$?; cd $(CURDIR) && \
	gcovr -j $(JOBS) --root . --object-directory $(COVERAGE_DIR) --filter 'src/core/' \
		--exclude-throw-branches --exclude-unreachable-branches \
		--html-details $(COVERAGE_DIR)/coverage/index.html --print-summary \
	| awk '/^lines:/ { l = $$2 } /^branches:/ { b = $$2 } \
		END { print "src/core coverage: lines " l ", branches " b " ($(COVERAGE_DIR)/coverage/index.html)" }'; \
	exit $$status

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR) $(COVERAGE_DIR)
