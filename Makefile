# The commands of the README:
#   make run    install what is missing, build, and start the editor
#   make test   install what is missing, build, and run every test
#   make bench    optimised build, then every benchmark beside its baselines
#   make package  the Debian package build/release/dvr-config_<version>_<arch>.deb
#   make session  one scripted operator session over the real windows
#   make memcheck the same session with the editor under valgrind memcheck
#   make mutate FILES="model/x.cpp ..."  mutants of those files against the tests that link them
#   make windows          the Windows program build/windows/dvr-config.exe (MinGW-w64 cross build)
#   make windows-test     the model, storage and window tests of that build, under Wine
#   make windows-package  the portable zip and the installer of the Windows program
#   make windows-session  one scripted operator session with the Windows program under Wine,
#                         a card as drive E: and the installer run silently
PRESET ?= default
JOBS ?= $(shell nproc)

.PHONY: run test build deps bench package session memcheck mutate windows windows-test windows-package windows-session

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET) -j $(JOBS)

run: build
	./build/$(PRESET)/ui/dvr-config

test: build
	bash scripts/run-tests.sh $(PRESET)

# The benchmarks and the package come from the optimised build (the release preset).
BENCH_DEPS = libbenchmark-dev libx11-dev
PACKAGE_DEPS = libbenchmark-dev dpkg-dev desktop-file-utils appstream

bench:
	@bash scripts/install-deps.sh $(BENCH_DEPS)
	cmake --preset release
	cmake --build --preset release -j $(JOBS)
	bash scripts/bench.sh release

# The package holds the editor only: build just it, and let cpack install without
# building every other target of the tree first. The desktop entry and the metainfo are
# checked before they are packed.
package:
	@bash scripts/install-deps.sh $(PACKAGE_DEPS)
	desktop-file-validate data/io.github.dvrconfig.dvrconfig.desktop
	appstreamcli validate --no-net data/io.github.dvrconfig.dvrconfig.metainfo.xml
	cmake --preset release -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
	cmake --build --preset release --target dvr-config -j $(JOBS)
	cd build/release && cpack -G DEB

# One operator's session, driven through the real windows under Xvfb; memcheck runs it
# with the editor under valgrind.
SESSION_DEPS = xvfb xauth xdotool util-linux python3 poppler-utils
session: build
	@bash scripts/install-deps.sh $(SESSION_DEPS)
	bash scripts/ui-session.sh $(PRESET)

memcheck: build
	@bash scripts/install-deps.sh $(SESSION_DEPS) valgrind
	bash scripts/memcheck.sh $(PRESET)

# Mutation check of FILES (no part of make test): universalmutator in a private virtual
# environment, or scripts/mutate.py's own rules where it cannot be installed; built and tested
# in build/mutate, all of it under nice.
mutate: deps
	python3 scripts/mutate.py $(FILES)

# Windows: a static wxMSW built once from Debian's source packages into a cache outside the
# clone (scripts/windows/build-wx.sh prints its folder), then the editor and the tests against
# it with the toolchain of the windows preset. libwxgtk3.2-dev (in the base list) pins the
# wxWidgets version that is fetched.
WINDOWS_DEPS = g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 libz-mingw-w64-dev dpkg-dev xz-utils icoutils libgtest-dev
WINE_DEPS = wine wine64 xvfb xauth
WINDOWS_PACKAGE_DEPS = nsis zip

windows: deps
	@bash scripts/install-deps.sh $(WINDOWS_DEPS)
	wx=$$(bash scripts/windows/build-wx.sh) && cmake --preset windows -DDVR_WX_PREFIX="$$wx"
	cmake --build --preset windows -j $(JOBS)

windows-test: windows
	@bash scripts/install-deps.sh $(WINE_DEPS)
	bash scripts/windows/run-tests.sh windows

windows-package: windows
	@bash scripts/install-deps.sh $(WINDOWS_PACKAGE_DEPS)
	bash scripts/windows/package.sh windows

windows-session: windows-package
	@bash scripts/install-deps.sh $(WINE_DEPS) xdotool python3
	bash scripts/windows/session.sh windows
