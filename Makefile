# Two commands matter: `make run` and `make test`. Both install what is missing.
BUILD      ?= build
SAN_BUILD  ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
# Seconds `make fuzz` gives each target; FUZZ_TARGETS picks some (default: all).
FUZZ_SECONDS ?= 180
FUZZ_TARGETS ?=
WORKDIR    ?= $(CURDIR)/work
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=
ifdef CI
CMAKE_ARGS += -DVANTOR_WERROR=ON
endif

.PHONY: all deps build run test test-sanitize fuzz format bench package clean

all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@bash scripts/run.sh $(BUILD) $(WORKDIR)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	$(MAKE) test-sanitize

test-sanitize: deps
	cmake -S . -B $(SAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVANTOR_MODEL_ONLY=ON -DVANTOR_SANITIZE=ON $(CMAKE_ARGS)
	cmake --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

# libFuzzer on every file reader (clang; the replay of the corpus is part of `make test`).
fuzz: deps
	@bash scripts/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(JOBS) $(FUZZ_TARGETS)

bench: build
	@for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && "$$b"; done; true

# The Debian package $(BUILD)/vantor_<version>_<arch>.deb.
package: build
	cd $(BUILD) && cpack -G DEB

format: deps
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(FUZZ_BUILD)
