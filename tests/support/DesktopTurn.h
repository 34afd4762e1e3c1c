#pragma once
// Test processes run side by side under one Wine server and share its
// desktop: a window one of them shows takes the foreground, the focus and
// any open menu from the others. A test that shows windows waits here for
// its turn on the desktop; tests without windows run beside it.
void waitForDesktopTurn();
