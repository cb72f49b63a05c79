# RangeDesk: every target does its own set-up first.
BUILD ?= build

PREFIX ?= /usr/local

.PHONY: setup setup-test build run demo test screenshots bench install package clean \
	update-translations

# make run needs only what building and running need; make test adds the test tools.
setup:
	@BUILD_DIR=$(abspath $(BUILD)) scripts/setup.sh

setup-test:
	@BUILD_DIR=$(abspath $(BUILD)) scripts/setup.sh --test

build: setup
	cmake --build $(BUILD)

run: build
	$(BUILD)/bin/rangedesk

demo: build
	$(BUILD)/bin/rangedesk-demo

test: setup-test build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

screenshots: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/rangedesk-screenshots $(BUILD)/screenshots

bench: build
	@for b in $(BUILD)/bench/bench-*; do echo "== $$b"; $$b || exit 1; done

# Collects the texts of the sources into translations/*.ts (lupdate), keeping what is translated.
update-translations: setup
	cmake --build $(BUILD) --target update_translations

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD)
