# Two commands do everything on a fresh Debian 12 machine: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: deps build run test bench clean

deps:
	bash scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

run: build
	$(BUILD)/bin/consulta-demo $(BUILD)/bin
	$(BUILD)/bin/Consulta

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

bench: deps
	cmake -S . -B $(BUILD)-bench -DCMAKE_BUILD_TYPE=Release -DCONSULTA_BENCH=ON -DBUILD_TESTING=OFF
	cmake --build $(BUILD)-bench -j$(JOBS)
	bash bench/run.sh $(BUILD)-bench

clean:
	rm -rf $(BUILD) $(BUILD)-bench
