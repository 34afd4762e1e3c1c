// The test program's entry: the same process set-up as the real program
// (title, error mode, common controls, GDI+), then every selected test.

#include <gtest/gtest.h>

#include "resources/AppInfo.h"
#include "forms/Session.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    Session session{appinfo::Title};
    return RUN_ALL_TESTS();
}
