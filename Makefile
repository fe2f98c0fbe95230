# The two everyday commands: `make run` starts the application, `make test` runs every test.
# Both install the missing Debian packages first and build with two jobs.

JOBS ?= 2
GENERATOR ?= Ninja
BUILD_TYPE ?= RelWithDebInfo
FUZZ_SECONDS ?= 60

.PHONY: deps build build-asan test test-main test-asan run bench fuzz clean

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake -S . -B build -G $(GENERATOR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)
	cmake --build build -j $(JOBS)

build-asan: deps
	cmake -S . -B build-asan -G $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DQUORVIA_SANITIZE=ON -DQUORVIA_CORE_ONLY=ON
	cmake --build build-asan -j $(JOBS)

test-main: build
	cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-asan: build-asan
	cd build-asan && ctest --output-on-failure -j $(JOBS)

test: test-main test-asan

run: build
	@if [ -x build/bin/quorvia ]; then build/bin/quorvia; \
	else echo "The application window is not built yet: only the core libraries and their tests exist."; fi

bench: deps
	cmake -S . -B build-bench -G $(GENERATOR) -DCMAKE_BUILD_TYPE=Release -DQUORVIA_CORE_ONLY=ON -DQUORVIA_BENCH=ON
	cmake --build build-bench -j $(JOBS)
	@if [ -x build-bench/bin/quorvia-bench ]; then build-bench/bin/quorvia-bench; else echo "No benchmarks yet."; fi

clean:
	rm -rf build build-asan build-bench build-fuzz
