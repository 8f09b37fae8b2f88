# The two commands of the README. Both install what a fresh Debian 12 machine lacks first.
JOBS ?= $(shell nproc)
DEMO_BUILD ?= build/release
TEST_BUILD ?= build/test

.PHONY: demo test deps clean

deps:
	@scripts/install-deps.sh

demo: deps
	cmake -S . -B $(DEMO_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DQBX_BUILD_TESTS=OFF
	cmake --build $(DEMO_BUILD) -j $(JOBS)
	scripts/demo.sh $(DEMO_BUILD)

test: deps
	cmake -S . -B $(TEST_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQBX_SANITIZE=ON
	cmake --build $(TEST_BUILD) -j $(JOBS)
	cd $(TEST_BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 300

clean:
	rm -rf build
