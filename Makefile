# make run   - install what is missing, build, and open Lopena
# make test  - install what is missing, build, and run every test headless
# make asan  - the tests again under AddressSanitizer and UndefinedBehaviorSanitizer

JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: setup build run test asan clean

setup:
	./scripts/setup.sh

build: setup
	cmake --preset dev
	cmake --build --preset dev -j $(JOBS)

run: build
	./build/dev/lopena

test: build
	ctest --preset dev -j $(JOBS)

asan: setup
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

clean:
	rm -rf build

# make deb  - the Debian package, in build/release (install it with: sudo apt-get install ./build/release/lopena_*.deb)
.PHONY: deb
deb: setup
	cmake --preset release
	cmake --build --preset release -j $(JOBS)
	cd build/release && cpack
