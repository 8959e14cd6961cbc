#include <gtest/gtest.h>

#include "window_icon.h"

namespace {

const unsigned char* rowsPixel(const std::vector<unsigned char>& rows, int x, int y) {
    return &rows[(static_cast<std::size_t>(y) * kWindowIconSize + x) * 4];
}

TEST(WindowIcon, TransposesColumnsIntoRows) {
    // Column x, row y holds (x, y, x + y, 255).
    std::vector<unsigned char> columns(kWindowIconSize * kWindowIconSize * 4);
    for (int x = 0; x < kWindowIconSize; ++x) {
        for (int y = 0; y < kWindowIconSize; ++y) {
            unsigned char* p = &columns[(static_cast<std::size_t>(x) * kWindowIconSize + y) * 4];
            p[0] = static_cast<unsigned char>(x);
            p[1] = static_cast<unsigned char>(y);
            p[2] = static_cast<unsigned char>(x + y);
            p[3] = 255;
        }
    }
    const std::vector<unsigned char> rows = iconRowsFromColumns(columns.data(), kWindowIconSize);
    ASSERT_EQ(rows.size(), columns.size());
    for (int y = 0; y < kWindowIconSize; ++y) {
        for (int x = 0; x < kWindowIconSize; ++x) {
            const unsigned char* p = rowsPixel(rows, x, y);
            ASSERT_EQ(p[0], x);
            ASSERT_EQ(p[1], y);
            ASSERT_EQ(p[2], static_cast<unsigned char>(x + y));
        }
    }
}

TEST(WindowIcon, ShowsAMonitorWithFourQuadrantsOnATransparentBackground) {
    const std::vector<unsigned char> rows = iconRowsFromColumns(windowIconColumns, kWindowIconSize);
    EXPECT_EQ(rowsPixel(rows, 0, 0)[3], 0) << "corner is transparent";
    EXPECT_EQ(rowsPixel(rows, 63, 63)[3], 0) << "corner is transparent";
    struct Quadrant {
        int x, y;
        bool red, green, blue;
    };
    // Red top left, green top right, blue bottom left, yellow bottom right.
    for (const Quadrant& q : {Quadrant{18, 18, true, false, false}, Quadrant{45, 18, false, true, false},
                              Quadrant{18, 34, false, false, true}, Quadrant{45, 34, true, true, false}}) {
        const unsigned char* p = rowsPixel(rows, q.x, q.y);
        EXPECT_EQ(p[3], 255);
        EXPECT_EQ(p[0] > 128, q.red) << q.x << "," << q.y;
        EXPECT_EQ(p[1] > 128, q.green) << q.x << "," << q.y;
        EXPECT_EQ(p[2] > 128, q.blue) << q.x << "," << q.y;
    }
    const unsigned char* frame = rowsPixel(rows, 6, 8);
    EXPECT_EQ(frame[3], 255);
    EXPECT_GT(frame[2], frame[0]) << "the monitor's frame is light blue";
}

}  // namespace
