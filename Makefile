# Two commands: `make run` plays the game, `make test` builds and runs every test.
# `make package` makes the Debian package zelslots_<version>_<arch>.deb here and checks it with lintian.
SHELL := /bin/bash
PACKAGES := cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite \
            libgl1-mesa-dev fonts-dejavu-core xvfb xauth libopenal-dev pulseaudio pulseaudio-utils \
            desktop-file-utils appstream man-db dpkg-dev file lintian \
            openbox x11-utils libx11-dev libxtst-dev dbus at-spi2-core python3-pyatspi \
            qt6-wayland sway libwayland-dev libwayland-bin pkgconf xdotool imagemagick
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps run test bench build release package clean

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing: $$missing"; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

build: deps
	cmake --preset debug
	cmake --build --preset debug

release: deps
	cmake --preset release
	cmake --build --preset release

# Only the game and what it is built from: no tests, no benchmarks.
run: deps
	cmake --preset release
	cmake --build --preset release --target zelslots
	./build/release/src/app/zelslots

test: build
	ctest --preset debug

bench: release
	bash bench/run-all.sh build/release

package: deps
	cmake --preset package
	cmake --build --preset package
	rm -f build/package/zelslots_*.deb
	cd build/package && cpack
	cp build/package/zelslots_*.deb .
	lintian --fail-on error build/package/zelslots_*.deb

clean:
	rm -rf build
