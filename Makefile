.PHONY: test run build fuzz clean
test:
	bash scripts/test.sh
run:
	bash scripts/run.sh
build:
	bash scripts/install-deps.sh && bash scripts/build.sh
fuzz:
	bash scripts/fuzz.sh
clean:
	rm -rf build
