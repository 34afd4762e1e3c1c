// Where a new window goes beside its neighbour, in a work area of 1000 x 800
// pixels whose top left corner is (0, 40).

#include <gtest/gtest.h>

#include <optional>

#include "forms/Placement.h"

TEST(PlacementTest, BesideTheNeighbourWhereTheWorkAreaHasRoomElseCentredOverIt) {
    const RECT work{0, 40, 1000, 840};
    struct Case {
        const char* what;
        SIZE window;
        std::optional<RECT> neighbour;
        POINT expected;
    };
    const Case cases[] = {
        {"no neighbour: centred in the work area", {400, 200}, std::nullopt, {300, 340}},
        {"room on the right", {300, 200}, RECT{100, 100, 500, 400}, {500, 100}},
        {"right full, room on the left", {300, 200}, RECT{400, 100, 800, 400}, {100, 100}},
        {"exactly the room on the right", {500, 200}, RECT{100, 100, 500, 400}, {500, 100}},
        {"no room either side: centred over it", {600, 200}, RECT{200, 100, 800, 400}, {200, 150}},
        {"low neighbour: kept inside from the bottom", {300, 300}, RECT{100, 700, 500, 820}, {500, 540}},
        {"neighbour above the work area: from its top", {300, 200}, RECT{100, 0, 500, 300}, {500, 40}},
        {"taller than the work area: centred over it", {300, 900}, RECT{100, 100, 500, 400}, {150, -200}},
    };
    for (const Case& c : cases) {
        POINT at = placeBeside(c.window, c.neighbour, work);
        EXPECT_EQ(at.x, c.expected.x) << c.what;
        EXPECT_EQ(at.y, c.expected.y) << c.what;
    }
}
