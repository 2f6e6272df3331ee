# The two commands of the README. Both install what is missing, then build.
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
# Where `make install` puts the program; `make install PREFIX=~/.local` needs no root.
PREFIX ?= /usr/local

.PHONY: run test build deps clean install package

run: build
	$(BUILD)/innvera

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

# The program in $(PREFIX)/bin, its menu entry and icon under $(PREFIX)/share; through sudo
# when $(PREFIX) is not writable.
install: build
	@if [ -w "$(PREFIX)" ] || { [ ! -e "$(PREFIX)" ] && [ -w "$$(dirname "$(PREFIX)")" ]; }; then \
	  cmake --install $(BUILD) --strip --prefix "$(PREFIX)"; \
	else \
	  sudo cmake --install $(BUILD) --strip --prefix "$(PREFIX)"; \
	fi

# A Debian package in $(BUILD)/: innvera_<version>_<architecture>.deb.
package: build
	cd $(BUILD) && cpack

deps:
	@scripts/install-deps

clean:
	rm -rf $(BUILD)
