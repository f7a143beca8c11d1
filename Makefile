# Two commands: `make run` plays the game, `make test` builds and runs every test.
SHELL := /bin/bash
PACKAGES := cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools \
            libgl1-mesa-dev fonts-dejavu-core xvfb xauth libopenal-dev pulseaudio pulseaudio-utils \
            openbox x11-utils libx11-dev libxtst-dev
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps run test bench build release clean

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

run: release
	./build/release/src/zelslots

test: build
	ctest --preset debug

bench: release
	bash bench/run-all.sh build/release

clean:
	rm -rf build
