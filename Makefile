# The two commands of the README are `make run` and `make test`; each installs what is missing
# first. The other targets are the steps they are made of.
.PHONY: run test deps build unit build-asan asan fuzz fuzz-short e2e e2e-beside-build-asan package check-package drills \
	bench pictures clean

deps:
	@scripts/install-deps

build: deps
	cmake --preset dev >/dev/null
	cmake --build --preset dev

run: build
	build/dev/bin/geldlog

# The unit and window tests of the optimised build.
unit: build
	ctest --preset dev

# One clang build for the sanitizers and the fuzzers: the tests and the libFuzzer targets.
build-asan: deps
	cmake --preset asan >/dev/null
	cmake --build --preset asan

# The same tests under AddressSanitizer and UndefinedBehaviorSanitizer.
asan: build-asan
	ctest --preset asan

# The file readers and the amount parser under libFuzzer, FUZZ_SECONDS (60) each.
fuzz: deps
	scripts/run-fuzzers

fuzz-short: deps
	FUZZ_SECONDS=10 scripts/run-fuzzers

# The Debian package build/package/geldlog_<version>_amd64.deb.
package: build
	cd build/dev && cpack >/dev/null
	@ls build/package/geldlog_*_amd64.deb

# lintian, the menu entry, the AppStream data and the manual page of the package.
check-package: package
	scripts/check-package

# Saves killed at random moments and saves onto a full disk, DRILL_COUNT (1000) per kind of file.
drills: build
	scripts/drills/run

# The real program under Xvfb, driven by xdotool; one scenario runs the installed package.
e2e: build package
	scripts/e2e/run build/dev/bin/geldlog

# The end-to-end scenarios mostly wait for the program, so the sanitizer build runs beside them at
# the lowest priority and takes the cores only when the scenarios leave them; its output goes to
# build/asan-build.log and is shown when it fails.
e2e-beside-build-asan: build package
	@nice -n 19 $(MAKE) --no-print-directory -o deps build-asan >build/asan-build.log 2>&1 & asan=$$!; \
	scripts/e2e/run build/dev/bin/geldlog; e2e=$$?; \
	wait $$asan; built=$$?; \
	if [ $$built -ne 0 ]; then tail -n 60 build/asan-build.log; echo "The sanitizer build failed." >&2; fi; \
	[ $$e2e -eq 0 ] && [ $$built -eq 0 ]

# Every step once, in this order, with a table of their times at the end.
test:
	@scripts/run-steps deps build unit package check-package e2e-beside-build-asan asan fuzz-short

bench: build
	cmake --build --preset dev --target benchmarks
	scripts/run-benchmarks

# The pictures of the README, taken of the real program under Xvfb.
pictures: build
	E2E_SHOTS=docs scripts/e2e/run build/dev/bin/geldlog pictures
	rm -f docs/pictures.log
	QT_QPA_PLATFORM=offscreen build/dev/bin/button-gallery docs/button-gallery.png

clean:
	rm -rf build
