# The two entry points of the README: `make run` and `make test`.
BUILD ?= build
JOBS  ?= $(shell nproc)
FUZZ_SECONDS ?= 30

.PHONY: run test build deps-run deps-test clean

run: deps-run build
	@echo "== ohmira-calc serie rouge 5"
	@$(BUILD)/tools/ohmira-calc --separateur , serie rouge 5
	@echo "== ohmira-calc parallele vert 12 3"
	@$(BUILD)/tools/ohmira-calc --separateur , parallele vert 12 3
	@echo "== ohmira-calc parallele rouge 5 0"
	-@$(BUILD)/tools/ohmira-calc --separateur , parallele rouge 5 0

test: deps-test build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	fuzz/run.sh $(FUZZ_SECONDS)

build:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

deps-run:
	scripts/install-deps.sh run

deps-test:
	scripts/install-deps.sh run test

clean:
	rm -rf $(BUILD) build-fuzz
