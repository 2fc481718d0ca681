# The two commands of the README: `make run` builds and starts Trelkin on the demo data, `make test` builds
# and runs every test. Both install what is missing first.
BUILD_JOBS ?= 2
RELEASE_DIR := build/release
TEST_DIR := build/test
CMAKE_CONFIGURE := cmake -G Ninja -Wno-dev

.PHONY: run test bench bootstrap format release test-build

run: release
	./$(RELEASE_DIR)/bin/trelkin

test: test-build
	cd $(TEST_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(BUILD_JOBS)

bench: release
	./$(RELEASE_DIR)/bin/trelkin-bench

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
