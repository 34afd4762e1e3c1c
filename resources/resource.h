#pragma once
// Resource ids and the version numbers, shared by the resource script and
// the C++ code (plain macros, so that windres can read this file too).

#define IDI_APPLICATION_ICON 100
#define IDI_ABOUT_ICON 101
#define IDCUR_LINK 102
#define IDP_SPLASH 200
#define IDP_ABOUT 201

#define KERNWELL_VERSION_MAJOR 3
#define KERNWELL_VERSION_MINOR 0
#define KERNWELL_VERSION_REVISION 0

// The version as the version resource's texts give it, "3.00": the major
// number, then the minor one in two digits.
#define KERNWELL_STRINGIFY_(x) #x
#define KERNWELL_STRINGIFY(x) KERNWELL_STRINGIFY_(x)
#if KERNWELL_VERSION_MINOR < 10
#define KERNWELL_VERSION_TEXT KERNWELL_STRINGIFY(KERNWELL_VERSION_MAJOR) ".0" KERNWELL_STRINGIFY(KERNWELL_VERSION_MINOR)
#else
#define KERNWELL_VERSION_TEXT KERNWELL_STRINGIFY(KERNWELL_VERSION_MAJOR) "." KERNWELL_STRINGIFY(KERNWELL_VERSION_MINOR)
#endif
