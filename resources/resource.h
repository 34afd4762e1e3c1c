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
