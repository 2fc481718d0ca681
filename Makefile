# The two commands of the README: `make run` builds and starts Trelkin on the demo data, `make test` builds
# and runs every test. Both install what is missing first.
BUILD_JOBS ?= 2
RELEASE_DIR := build/release
TEST_DIR := build/test
SANITIZE_DIR := build/asan
FUZZ_DIR := build/fuzz
CMAKE_CONFIGURE := cmake -G Ninja -Wno-dev
SANITIZE_FLAGS := -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all
# Every sanitizer report ends the test program with a failure; the suppressions name one-time allocations of
# the libraries below Qt that are never freed.
SANITIZE_ENV := ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:check_initialization_order=1 \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitize/lsan.supp:print_suppressions=0
FUZZ_TARGET ?= guard_text
FUZZ_SECONDS ?= 600
FUZZ_XML_TARGETS := guard_text weapon_text weapon_tree xml_document
FUZZ_TARGETS := scrambled_file prepare_text guard_text weapon_text recipe_tree weapon_tree xml_document
FUZZ_SMOKE_SECONDS ?= 30

.PHONY: run test test-sanitize fuzz fuzz-run fuzz-smoke bench package bootstrap format release test-build

run: release
	./$(RELEASE_DIR)/bin/trelkin

test: test-build
	cd $(TEST_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(BUILD_JOBS)

test-sanitize: bootstrap
	$(CMAKE_CONFIGURE) -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRELKIN_BUILD_BENCHMARKS=OFF \
		-DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)"
	cmake --build $(SANITIZE_DIR) -j $(BUILD_JOBS)
	cd $(SANITIZE_DIR) && QT_QPA_PLATFORM=offscreen $(SANITIZE_ENV) ctest --output-on-failure -j $(BUILD_JOBS)

fuzz:
	@scripts/bootstrap --fuzz
	$(CMAKE_CONFIGURE) -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
		-DTRELKIN_FUZZ=ON -DTRELKIN_BUILD_TESTS=OFF -DTRELKIN_BUILD_BENCHMARKS=OFF
	cmake --build $(FUZZ_DIR) -j $(BUILD_JOBS) --target trelkin_fuzz_targets

# New inputs go to the build's corpus; the seeds in fuzz/corpus/ are only read.
fuzz-run: fuzz
	mkdir -p $(FUZZ_DIR)/corpus/$(FUZZ_TARGET) $(FUZZ_DIR)/artifacts/$(FUZZ_TARGET)
	$(FUZZ_DIR)/fuzz/trelkin_fuzz_$(FUZZ_TARGET) -max_total_time=$(FUZZ_SECONDS) -timeout=25 -max_len=8192 \
		-artifact_prefix=$(FUZZ_DIR)/artifacts/$(FUZZ_TARGET)/ \
		$(if $(filter $(FUZZ_TARGET),$(FUZZ_XML_TARGETS)),-dict=fuzz/xml.dict) \
		$(FUZZ_DIR)/corpus/$(FUZZ_TARGET) fuzz/corpus/$(FUZZ_TARGET)

# Every target briefly on its seeds, so that a loader that regressed fails CI; any find stops with an error.
fuzz-smoke: fuzz
	for target in $(FUZZ_TARGETS); do \
		$(MAKE) --no-print-directory fuzz-run FUZZ_TARGET=$$target FUZZ_SECONDS=$(FUZZ_SMOKE_SECONDS) || exit 1; \
	done

bench: release
	./$(RELEASE_DIR)/bin/trelkin-bench
	./$(RELEASE_DIR)/bin/trelkin-setsearch-bench
	./$(RELEASE_DIR)/bin/trelkin-gui-bench
	bench/window_startup.sh $(RELEASE_DIR)/bin game=$(RELEASE_DIR)/bench-data/game

package: release
	cd $(RELEASE_DIR) && cpack && lintian --fail-on error,warning trelkin_*.deb

bootstrap:
	@scripts/bootstrap

release: bootstrap
	$(CMAKE_CONFIGURE) -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release -DTRELKIN_BUILD_TESTS=OFF
	cmake --build $(RELEASE_DIR) -j $(BUILD_JOBS)

test-build: bootstrap
	$(CMAKE_CONFIGURE) -S . -B $(TEST_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRELKIN_BUILD_BENCHMARKS=OFF
	cmake --build $(TEST_DIR) -j $(BUILD_JOBS)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i
