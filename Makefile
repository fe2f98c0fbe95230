# The two everyday commands: `make run` starts the application, `make test` runs every test.
# Both install the missing Debian packages first and build with two jobs.

JOBS ?= 2
GENERATOR ?= Ninja
BUILD_TYPE ?= RelWithDebInfo
FUZZ_SECONDS ?= 60
FUZZ_TEST_SECONDS ?= 15

.PHONY: deps build build-asan build-fuzz test test-main test-asan test-fuzz run bench fuzz clean format format-check

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake -S . -B build -G $(GENERATOR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)
	cmake --build build -j $(JOBS)

build-asan: deps
	cmake -S . -B build-asan -G $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DQUORVIA_SANITIZE=ON
	cmake --build build-asan -j $(JOBS)

test-main: build
	cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-asan: build-asan
	cd build-asan && ctest --output-on-failure -j $(JOBS)

# The fuzz targets (clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer) in a build folder of their own.
build-fuzz: deps
	cmake -S . -B build-fuzz -G $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DQUORVIA_CORE_ONLY=ON -DQUORVIA_FUZZ=ON
	cmake --build build-fuzz -j $(JOBS)

# Every fuzz target for FUZZ_SECONDS seconds; the corpora grow in build-fuzz/fuzz-corpus.
fuzz: build-fuzz
	fuzz/run_fuzz.sh build-fuzz $(FUZZ_SECONDS)

# A short fuzz run of every target, so that each change is fuzzed a little.
test-fuzz: build-fuzz
	fuzz/run_fuzz.sh build-fuzz $(FUZZ_TEST_SECONDS)

# Every C++ file follows .clang-format; `make format` rewrites the files that do not.
format-check: deps
	find src tests bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format --dry-run --Werror

format: deps
	find src tests bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format -i

# The Debian package, built with CPack in build/; `make package` puts it in this folder, where
# `apt install ./quorvia_*.deb` installs it; `make test-package` unpacks it into a scratch folder and tries it there.
.PHONY: deb package test-package
deb: build
	rm -f build/quorvia_*.deb
	cd build && cpack -G DEB

package: deb
	cp build/quorvia_*.deb .

test-package: deb
	scripts/check-package.sh build/quorvia_*.deb

test: format-check test-fuzz test-main test-asan test-package

run: build
	build/bin/quorvia

# The benchmarks, one table. A Qt build (the repaint goes through the screen canvas), of the benchmark program only.
bench: deps
	cmake -S . -B build-bench -G $(GENERATOR) -DCMAKE_BUILD_TYPE=Release -DQUORVIA_BENCH=ON
	cmake --build build-bench -j $(JOBS) --target quorvia-bench
	build-bench/bin/quorvia-bench

clean:
	rm -rf build build-asan build-bench build-fuzz
