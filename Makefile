# The two commands of the README: `make run` and `make test`. Each installs what is missing first.
.PHONY: run test deps build build-asan unit asan fuzz e2e bench screenshots clean

deps:
	@scripts/install-deps

build: deps
	cmake --preset dev >/dev/null
	cmake --build --preset dev

run: build
	build/dev/bin/geldlog

unit: build
	ctest --preset dev

build-asan: deps
	cmake --preset asan >/dev/null
	cmake --build --preset asan

asan: build-asan
	ctest --preset asan

test: unit asan

bench: build
	scripts/run-benchmarks

clean:
	rm -rf build
