# make play: set up, build and start the game.   make test: set up and run every test.
JOBS ?= $(shell nproc)

.PHONY: play test deps build build-asan coverage

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

# One picture of every generated picture with its name, for review.
assets-sheet: build
	build/tools/assetgen/assetgen --sheet build/assets-sheet.bmp
	convert build/assets-sheet.bmp build/assets-sheet.png
	@echo "contact sheet: build/assets-sheet.png"

build-asan: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORENDALITE_SANITIZE=ON
	cmake --build build-asan -j $(JOBS)

# Which functions and lines the headless tests reach, per folder: build/coverage/.
coverage:
	JOBS=$(JOBS) tools/coverage.sh
