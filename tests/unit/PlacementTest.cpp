// Centring at the first showing and moving a window to the monitor of the
// program's active window.
#include "Placement.h"

#include <gtest/gtest.h>

#include <ostream>

namespace vevove {

// Found by argument-dependent lookup, so beside ScreenRect.
bool operator==(const ScreenRect& a, const ScreenRect& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

void PrintTo(const ScreenRect& rect, std::ostream* out) {
    *out << rect.left << "," << rect.top << " " << rect.width << "x" << rect.height;
}

namespace {

TEST(CentredStartTest, CentresTheWindowOnTheArea) {
    EXPECT_EQ(CentredStart(0, 1024, 285), 369);
    EXPECT_EQ(CentredStart(0, 768, 330), 219);
}

TEST(CentredStartTest, AddsTheAreasStart) {
    // The more-software window on the main window: 369 + (285 - 540) / 2.
    EXPECT_EQ(CentredStart(369, 285, 540), 242);
}

TEST(CentredStartTest, TruncatesTowardZero) {
    // (285 - 540) / 2 = -127.5 gives -127, not -128.
    EXPECT_EQ(CentredStart(500, 285, 540), 373);
    EXPECT_EQ(CentredStart(500, 286, 541), 373);
    EXPECT_EQ(CentredStart(0, 101, 100), 0);
}

TEST(CentredStartTest, RaisesNegativeResultsToZero) {
    EXPECT_EQ(CentredStart(0, 800, 1000), 0);
    EXPECT_EQ(CentredStart(100, 285, 540), 0);
    EXPECT_EQ(CentredStart(127, 285, 540), 0);
    EXPECT_EQ(CentredStart(128, 285, 540), 1);
}

TEST(CentredOnTest, KeepsTheSize) {
    EXPECT_EQ(CentredOn({10, 20, 285, 330}, 540, 533), (ScreenRect{0, 0, 540, 533}));
    EXPECT_EQ(CentredOn({400, 300, 285, 330}, 540, 533), (ScreenRect{273, 199, 540, 533}));
}

const ScreenRect kPrimary = {0, 0, 1920, 1080};
const ScreenRect kRight = {1920, 0, 1280, 1024};
const ScreenRect kLeft = {-1600, -200, 1600, 900};

TEST(MovedToMonitorTest, KeepsTheOffsetFromTheMonitorsCorner) {
    EXPECT_EQ(MovedToMonitor({440, 295, 764, 304}, kPrimary, kRight, false),
              (ScreenRect{2360, 295, 764, 304}));
    EXPECT_EQ(MovedToMonitor({2360, 295, 764, 304}, kRight, kPrimary, false),
              (ScreenRect{440, 295, 764, 304}));
}

TEST(MovedToMonitorTest, PullsBackInsideTheRightAndBottomEdges) {
    // 1920 + 1300 + 764 would pass 1920 + 1280.
    EXPECT_EQ(MovedToMonitor({1300, 900, 764, 304}, kPrimary, kRight, false),
              (ScreenRect{1920 + 1280 - 764, 1024 - 304, 764, 304}));
}

TEST(MovedToMonitorTest, LeavesTheLeftAndTopEdgesAlone) {
    // A window reaching past the left and top edges of its own monitor keeps
    // that offset.
    EXPECT_EQ(MovedToMonitor({-50, -20, 300, 200}, kPrimary, kRight, false),
              (ScreenRect{1870, -20, 300, 200}));
}

TEST(MovedToMonitorTest, WorksWithMonitorsLeftOfAndAboveThePrimary) {
    EXPECT_EQ(MovedToMonitor({440, 295, 764, 304}, kPrimary, kLeft, false),
              (ScreenRect{-1160, 95, 764, 304}));
}

TEST(MovedToMonitorTest, CentresAWindowStillToBeCentred) {
    EXPECT_EQ(MovedToMonitor({650, 132, 285, 330}, kPrimary, kRight, true),
              (ScreenRect{1920 + 497, 347, 285, 330}));
    // Not raised to 0: the monitor lies left of and above the primary one.
    EXPECT_EQ(MovedToMonitor({650, 132, 285, 330}, kPrimary, kLeft, true),
              (ScreenRect{-1600 + 657, -200 + 285, 285, 330}));
}

} // namespace
} // namespace vevove
