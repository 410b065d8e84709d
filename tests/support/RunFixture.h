#pragma once

#include "support/RecordingToolkit.h"
#include "window/MainWindow.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tavrolin::test {

// A started program with the recording toolkit: the settings fields hold
// their start-up texts and the recording is empty.
class RunFixture : public ::testing::Test {
protected:
    explicit RunFixture(char separator = ',') : tk(separator)
    {
        tk.attach(window);
        EXPECT_FALSE(window.dispatch(ControlId::Tavrolin, Event::Load));
        tk.forget();
    }

    void start()
    {
        const auto failure = window.dispatch(ControlId::cmdStart, Event::Click);
        ASSERT_FALSE(failure) << failure->number() << " " << failure->what();
    }

    RecordingToolkit tk;
    MainWindow window{tk};
};

inline bool isLine(const Call& c, float x1, float y1, float x2, float y2)
{
    return c.op == Op::DrawLine && c.v[0] == x1 && c.v[1] == y1 && c.v[2] == x2 && c.v[3] == y2;
}

} // namespace tavrolin::test
