# make run   - install what is missing, build, and open Lopena
# make test  - install what is missing, build, and run every test headless
# make asan  - the tests again under AddressSanitizer and UndefinedBehaviorSanitizer
# make web   - the browser edition, build/web/lopena.html

JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: setup build run test asan clean web web-all

setup:
	./scripts/setup.sh

build: setup
	cmake --preset dev
	cmake --build --preset dev -j $(JOBS)

run: build
	./build/dev/lopena

test: build web-all
	ctest --preset dev -j $(JOBS)
	ctest --preset web

web: setup
	cmake --preset web
	cmake --build --preset web -j $(JOBS) --target lopena_html

# The page and the core tests built with Emscripten.
web-all: setup
	cmake --preset web
	cmake --build --preset web -j $(JOBS)

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
