# The two commands of the README:
#   make run    install what is missing, build, and start the editor
#   make test   install what is missing, build, and run every test
PRESET ?= default
JOBS ?= $(shell nproc)

.PHONY: run test build deps

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET) -j $(JOBS)

run: build
	./build/$(PRESET)/ui/dvr-config

test: build
	bash scripts/run-tests.sh $(PRESET)
