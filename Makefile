# Entry point. Every target first installs what is missing on Debian 12.
BUILD ?= build
JOBS ?= 2
WIN32_BUILD := $(BUILD)/win32
# This machine cannot run 32-bit x86 code: the system tests run a 64-bit build
# of the same sources under 64-bit Wine.
WIN64_BUILD := $(BUILD)/win64
HOST_BUILD := $(BUILD)/host

.PHONY: all deps host win32 win64 dist test unit-test system-test run fuzz clean

all: dist

deps:
	@./tools/install-deps

host: deps
	cmake -S . -B $(HOST_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug
	cmake --build $(HOST_BUILD) -j $(JOBS)

win32: deps
	cmake -S . -B $(WIN32_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	      -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake
	cmake --build $(WIN32_BUILD) -j $(JOBS)

win64: deps
	cmake -S . -B $(WIN64_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	      -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
	cmake --build $(WIN64_BUILD) -j $(JOBS)

dist: win32
	rm -rf dist && cp -r $(WIN32_BUILD)/dist dist
	@ls -l dist

unit-test: host
	ctest --test-dir $(HOST_BUILD) --output-on-failure -j $(JOBS) -LE fuzz-long

system-test: win32 win64
	ctest --test-dir $(WIN64_BUILD) --output-on-failure -j $(JOBS)

test: unit-test system-test

run: dist win64
	./tools/run-saver $(WIN64_BUILD)

fuzz: host
	ctest --test-dir $(HOST_BUILD) --output-on-failure -L fuzz-long

clean:
	rm -rf $(BUILD) dist
