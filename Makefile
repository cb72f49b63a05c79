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

# Today's pictures, the same in each translation (zh_CN/, de/) and at twice the scale (scale2/).
screenshots: build
	QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 $(BUILD)/bin/rangedesk-screenshots $(BUILD)/screenshots
	for lang in zh_CN de; do \
		QT_QPA_PLATFORM=offscreen LANGUAGE=$$lang LC_ALL=$$lang.UTF-8 \
			$(BUILD)/bin/rangedesk-screenshots $(BUILD)/screenshots/$$lang || exit 1; \
	done
	QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 LC_ALL=C.UTF-8 \
		$(BUILD)/bin/rangedesk-screenshots $(BUILD)/screenshots/scale2

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
