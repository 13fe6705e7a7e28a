# SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The two entry points of the README: `make run` and `make test`.
BUILD ?= build
JOBS  ?= $(shell nproc)
FUZZ_SECONDS ?= 30

.PHONY: run test build deps-run deps-test clean

run: deps-run
	$(MAKE) build CMAKE_OPTIONS="-DBUILD_TESTING=OFF -DOHMIRA_BENCH=OFF"
	@if [ -z "$${DISPLAY:-}$${WAYLAND_DISPLAY:-}" ]; then \
	  echo "Ohmira est une application de bureau : lancez « make run » depuis une session graphique."; \
	  echo "Sans bureau, essayez la calculatrice : $(BUILD)/tools/ohmira-calc serie rouge 5"; \
	  exit 1; \
	fi
	$(BUILD)/src/ohmira

test: deps-test
	$(MAKE) build CMAKE_OPTIONS="-DBUILD_TESTING=ON -DOHMIRA_BENCH=ON -DOHMIRA_WERROR=ON"
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	fuzz/run.sh $(FUZZ_SECONDS)

build:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_OPTIONS)
	cmake --build $(BUILD) -j $(JOBS)

deps-run:
	scripts/install-deps.sh run

deps-test:
	scripts/install-deps.sh run test

clean:
	rm -rf $(BUILD) build-fuzz
