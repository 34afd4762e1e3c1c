# The two front-door commands, `make run` and `make test`, install what a
# fresh Debian 12 machine lacks, configure, build, and then start the
# program or run every test under Wine.

BUILD      := build
JOBS       := 2
TESTPREFIX := $(CURDIR)/$(BUILD)/wineprefix-test
DEMOPREFIX := $(CURDIR)/$(BUILD)/wineprefix-demo
DPIPREFIX  := $(CURDIR)/$(BUILD)/wineprefix-test144
BENCHPREFIX    := $(CURDIR)/$(BUILD)/wineprefix-bench
BENCH144PREFIX := $(CURDIR)/$(BUILD)/wineprefix-bench144
# Wine's settings for the prefixes made here: no debugging output, 32-bit.
# Every command names its prefix (WINEPREFIX), so that nothing here touches
# the user's own ~/.wine.
WINE_ENV    = WINEDEBUG=-all WINEARCH=win32
APT_PACKAGES := wine wine32:i386 fonts-wine mingw-w64 g++-mingw-w64-i686-posix cmake make googletest shellcheck
# Wine's own fonts ("MS Sans Serif", "Marlett", Tahoma), from Debian's fonts-wine.
WINE_FONTS := /usr/share/wine/fonts

.PHONY: all deps build program display run test test-dpi test-launcher bench fuzz clean screenshots dist check-reproducible

all: build

# Installs only what is missing, so a set-up machine pays nothing.
deps:
	@if ! command -v i686-w64-mingw32-g++-posix >/dev/null || ! command -v cmake >/dev/null \
	   || [ ! -d /usr/src/googletest ] || ! dpkg -s wine32:i386 >/dev/null 2>&1 || [ ! -d $(WINE_FONTS) ] \
	   || ! command -v shellcheck >/dev/null; then \
	  echo "Installing build and test dependencies"; \
	  dpkg --add-architecture i386 && apt-get update -q && \
	  DEBIAN_FRONTEND=noninteractive apt-get install -y -q $(APT_PACKAGES); \
	fi

# Built for size (-Os): the program spends its time in the system's font
# and window calls, not in its own code, and -O3 made it half as large again
# (a release zip of 365 KB instead of 245 KB). Configured again when this
# file changes, so that a build folder made earlier follows.
$(BUILD)/CMakeCache.txt: Makefile | deps
	cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=MinSizeRel

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

# The program alone, without GoogleTest, the tests and the benchmarks, which
# `make run` and `make dist` never use.
program: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) --target Kernwell -j $(JOBS)

# Debian's Wine does not find its own fonts, so "MS Sans Serif" and "Marlett"
# fall back to Liberation Sans (a close box shows the letter "r"); a copy in
# the prefix's Fonts folder mends it, also in a prefix made earlier. The test
# prefixes get it too, so that the tests see the fonts a player's prefix has
# (with them, the substitute names such as "MS Shell Dlg" lead somewhere).
%/.wine-fonts: %/.ready
	cp $(WINE_FONTS)/* $*/drive_c/windows/Fonts/
	touch $@

# The settings a throwaway prefix may be given: Wine's null display driver,
# so that no X display is needed; 144 DPI; a stand-in game folder.
NULL_DRIVER   := 'HKCU\Software\Wine\Drivers' /v Graphics /d null
DPI_144       := 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144
GAME_LOCATION := 'HKLM\Software\Sports Interactive Ltd\Championship Manager 01-02' /v Location /d 'C:\Games\CM 01-02'

# $(call fresh-prefix,SETTINGS...): the prefix of the target's folder made
# afresh with those settings. About 15 s; kept in the build folder.
define fresh-prefix
	rm -rf $(@D)
	$(WINE_ENV) WINEPREFIX=$(@D) wineboot --init >/dev/null 2>&1
	$(foreach setting,$(1),$(WINE_ENV) WINEPREFIX=$(@D) wine reg add $($(setting)) /f >/dev/null 2>&1;)
	WINEPREFIX=$(@D) wineserver -w
endef

# The tests' prefix, on the null display driver.
$(TESTPREFIX)/.ready: | deps
	$(call fresh-prefix,NULL_DRIVER)
	touch $@

# A full disk for the tests of what the program does on one: a tiny tmpfs
# (mounting needs root, as the rest of the set-up does), filled up, and
# given to the tests through Wine's Z: drive. Without root the tests that
# need it are skipped.
FULLDISK := $(CURDIR)/$(BUILD)/full-disk
FULLDISK_WINDOWS = Z:$(subst /,\,$(FULLDISK))

# C: of the test prefix carries a volume label (Wine reads it from this file
# when the prefix starts), so that the drive list is checked on a real one.
$(TESTPREFIX)/.drive-label: $(TESTPREFIX)/.ready
	printf 'KERNWELL' > $(TESTPREFIX)/drive_c/.windows-label
	touch $@

# Tests run against a warm prefix: a persistent server and Wine's services
# started once with no output pipes attached (otherwise ctest waits on a
# pipe that the services inherited from the first test).
test: build $(TESTPREFIX)/.wine-fonts $(TESTPREFIX)/.drive-label test-dpi test-launcher
	@mkdir -p $(FULLDISK); \
	if mountpoint -q $(FULLDISK) || mount -t tmpfs -o size=64k tmpfs $(FULLDISK) 2>/dev/null; then \
	  dd if=/dev/zero of=$(FULLDISK)/filler bs=4k >/dev/null 2>&1; export KERNWELL_FULL_DISK='$(FULLDISK_WINDOWS)'; \
	else echo "No tmpfs for the full-disk tests (not root): they are skipped."; fi; \
	tools/with_prefix.sh $(TESTPREFIX) ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS); \
	status=$$?; mountpoint -q $(FULLDISK) && umount $(FULLDISK); exit $$status

# The layout test once more in a test prefix set to 144 DPI (LogPixels), so
# that windows are checked as laid out at the prefix's resolution from the
# start, not only after a DPI change.
$(DPIPREFIX)/.ready: | deps
	$(call fresh-prefix,NULL_DRIVER DPI_144)
	touch $@

test-dpi: build $(DPIPREFIX)/.wine-fonts
	@KERNWELL_EXPECT_DPI=144 tools/with_prefix.sh $(DPIPREFIX) wine $(BUILD)/tests/kernwell_tests.exe \
	  --gtest_filter='DpiLayoutTest.*' --gtest_brief=1 </dev/null

# The launcher for Linux and macOS players, tried on fake prefixes in a
# temporary home (neither Wine nor a display needed), and shellcheck on it
# and on its test.
test-launcher: | deps
	@if command -v shellcheck >/dev/null; then shellcheck launcher/glyphwright.sh tools/test_launcher.sh; fi
	@tools/test_launcher.sh

# A demonstration prefix with a stand-in game folder registered, used when
# WINEPREFIX is not set; with WINEPREFIX set (the game's prefix) it is used
# as it is.
$(DEMOPREFIX)/.ready: | deps
	$(call fresh-prefix,GAME_LOCATION)
	mkdir -p "$(DEMOPREFIX)/drive_c/Games/CM 01-02/Data"
	-cp /usr/share/fonts/truetype/dejavu/DejaVuSans*.ttf "$(DEMOPREFIX)/drive_c/windows/Fonts/" 2>/dev/null
	touch $@

# Wine's X11 driver needs a display; without one Wine fails silently under
# WINEDEBUG=-all, so say so before building anything.
display:
	@if [ "$$(uname -s)" = Linux ] && [ -z "$${DISPLAY:-}" ] && [ -z "$${WAYLAND_DISPLAY:-}" ]; then \
	  echo "make run: no display (DISPLAY and WAYLAND_DISPLAY are not set)." >&2; \
	  echo "Start it from a desktop session, or on a virtual display: xvfb-run -a make run" >&2; \
	  exit 1; fi

ifeq ($(WINEPREFIX),)
run: display program $(DEMOPREFIX)/.wine-fonts
	WINEPREFIX=$(DEMOPREFIX) WINEDEBUG=-all wine $(BUILD)/Kernwell.exe
else
run: display program
	WINEDEBUG=-all wine $(BUILD)/Kernwell.exe
endif

# Benchmarks print their figures; they are never part of `make test`. They
# run on the null display driver and, as a player meets the program, on
# Wine's X11 driver on a private Xvfb display (at 96 and 144 DPI).
$(BENCHPREFIX)/.ready: | deps
	$(call fresh-prefix,)
	touch $@
$(BENCH144PREFIX)/.ready: | deps
	$(call fresh-prefix,DPI_144)
	touch $@

# The largest real fonts Debian packages (49 and 44 MB), for timing Font
# Details: unpacked here, never installed. Without the network the
# benchmarks run on the fixture fonts alone.
BENCH_FONT_PACKAGES := fonts-babelstone-han fonts-ipamj-mincho
$(BUILD)/bench-fonts/.ready:
	mkdir -p $(@D)
	cd $(@D) && apt-get download -q $(BENCH_FONT_PACKAGES) && for deb in *.deb; do dpkg-deb -x $$deb .; done \
	  || echo "The large fonts could not be fetched; timing Font Details on the fixtures only"
	rm -f $(@D)/*.deb
	touch $@

bench: build $(TESTPREFIX)/.wine-fonts $(BENCHPREFIX)/.wine-fonts $(BENCH144PREFIX)/.wine-fonts $(BUILD)/bench-fonts/.ready
	@if ! command -v Xvfb >/dev/null || [ ! -f /usr/share/fonts/truetype/dejavu/DejaVuSansCondensed.ttf ] \
	   || [ ! -d /usr/share/fonts/truetype/liberation ]; then \
	  DEBIAN_FRONTEND=noninteractive apt-get install -y -q xvfb fonts-dejavu-core fonts-dejavu-extra fonts-liberation; fi
	@tools/run_benchmarks.sh $(BUILD) $(TESTPREFIX) $(BENCHPREFIX) $(BENCH144PREFIX) $(CURDIR)/$(BUILD)/bench-fonts

# The font parsers under libFuzzer, built with clang natively and as 32-bit
# code (the shipped width); each target runs for FUZZ_SECONDS in each width.
FUZZ_SECONDS ?= 60
fuzz:
	@if ! command -v clang++ >/dev/null || ! dpkg -s libclang-rt-14-dev >/dev/null 2>&1 \
	   || ! dpkg -s g++-multilib >/dev/null 2>&1; then \
	  DEBIAN_FRONTEND=noninteractive apt-get install -y -q clang libclang-rt-14-dev g++-multilib; fi
	$(MAKE) -C fuzz run BUILD=$(CURDIR)/$(BUILD)/fuzz FUZZ_SECONDS=$(FUZZ_SECONDS)

# The README's pictures, taken in a throwaway prefix on a free Xvfb display.
screenshots: program
	@if ! command -v Xvfb >/dev/null || ! command -v xdotool >/dev/null || ! command -v import >/dev/null \
	   || ! command -v xwininfo >/dev/null || [ ! -f /usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf ] \
	   || [ ! -d /usr/share/fonts/truetype/liberation ]; then \
	  DEBIAN_FRONTEND=noninteractive apt-get install -y -q xvfb xdotool x11-utils imagemagick \
	    fonts-dejavu-core fonts-liberation; fi
	BUILD=$(BUILD) tools/take_screenshots.sh

# The release zip a Windows player downloads: the program, the launcher for
# Linux and macOS players (executable), a read-me with Windows line endings,
# and their SHA-256 sums. Reproducible: file times are the last commit's (or
# SOURCE_DATE_EPOCH), names are stored in a fixed order without extra
# fields, so two clean builds give the same bytes.
# The zip's program is stripped of the debug sections that the static runtime
# brings (about half of build/Kernwell.exe, which keeps them for developers).
# strip stamps the current time into the PE header unless SOURCE_DATE_EPOCH
# names one; 0 leaves the header without a time, as the linker wrote it.
VERSION_PART = $(shell sed -n 's/^\#define KERNWELL_VERSION_$(1) *//p' resources/resource.h)
VERSION      := $(call VERSION_PART,MAJOR).$(call VERSION_PART,MINOR).$(call VERSION_PART,REVISION)
RELEASE      := Glyphwright-$(VERSION)
DIST         := $(BUILD)/dist
SOURCE_DATE_EPOCH ?= $(shell git log -1 --format=%ct 2>/dev/null || echo 1009843200)
RELEASE_FILES := Kernwell.exe glyphwright.sh ReadMe.txt SHA256SUMS

dist: program
	@command -v zip >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -q zip
	rm -rf $(DIST) && mkdir -p $(DIST)/$(RELEASE)
	SOURCE_DATE_EPOCH=0 i686-w64-mingw32-strip --strip-all -o $(DIST)/$(RELEASE)/Kernwell.exe $(BUILD)/Kernwell.exe
	cp launcher/glyphwright.sh $(DIST)/$(RELEASE)/
	sed -e 's/@VERSION@/$(VERSION)/' -e 's/$$/\r/' docs/ReadMe.txt > $(DIST)/$(RELEASE)/ReadMe.txt
	cd $(DIST)/$(RELEASE) && sha256sum Kernwell.exe glyphwright.sh ReadMe.txt > SHA256SUMS
	cd $(DIST) && chmod 644 $(RELEASE)/* && chmod 755 $(RELEASE)/glyphwright.sh && \
	  TZ=UTC touch -d @$(SOURCE_DATE_EPOCH) $(addprefix $(RELEASE)/,$(RELEASE_FILES)) && \
	  TZ=UTC zip -X -D -q $(RELEASE).zip $(addprefix $(RELEASE)/,$(RELEASE_FILES)) && \
	  sha256sum $(RELEASE).zip > $(RELEASE).zip.sha256
	@echo "Release: $(DIST)/$(RELEASE).zip"; cat $(DIST)/$(RELEASE).zip.sha256

# Builds the release twice from clean in two folders and compares the bytes.
check-reproducible:
	tools/check_reproducible.sh

clean:
	-mountpoint -q $(FULLDISK) && umount $(FULLDISK)
	rm -rf $(BUILD)
