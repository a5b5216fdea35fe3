#include "wizard/tf_1.h"

#include <gtest/gtest.h>

TEST(Startup, MainWindowHasCaptionAndClientSize) {
    TF_1 window;
    window.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Напорис 0.9"));
    EXPECT_EQ(window.size(), QSize(569, 535));
}
