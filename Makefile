# make play: set up, build and start the game.   make test: set up and run every test.
JOBS ?= $(shell nproc)

.PHONY: play test deps build build-asan

play: build
	cd build && ./vorendalite

test: build build-asan
	cd build && ctest --output-on-failure -j $(JOBS)
	cd build-asan && ctest --output-on-failure -j $(JOBS)

deps:
	@tools/install-deps.sh

build: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
	cmake --build build -j $(JOBS)

build-asan: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORENDALITE_SANITIZE=ON
	cmake --build build-asan -j $(JOBS)
