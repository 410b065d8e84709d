#include "support/RecordingToolkit.h"
#include "window/EventQueue.h"

#include <gtest/gtest.h>

namespace tavrolin::test {
namespace {

using enum ControlId;

class Queue : public ::testing::Test {
protected:
    Queue()
    {
        tk.attach(window);
        EXPECT_FALSE(queue.post(Tavrolin, Event::Load));
    }

    RecordingToolkit tk;
    MainWindow window{tk};
    EventQueue queue{window};
};

TEST_F(Queue, EventsDuringARunWaitForItAndKeepTheirOrder)
{
    int pauses = 0;
    tk.onPause = [&] {
        if (++pauses == 3) {
            tk.choose(op15);
            EXPECT_FALSE(queue.post(op15, Event::Click));
            tk.choose(opCerna);
            EXPECT_FALSE(queue.post(opCerna, Event::Click));
            EXPECT_FALSE(queue.post(cmdStart, Event::Click));
        }
        // Nothing changes under the run.
        if (pauses <= 301) {
            EXPECT_EQ(tk.text(nFrekvence), "1");
        }
    };
    tk.answers = {Answer::No};
    EXPECT_FALSE(queue.post(cmdStart, Event::Click));
    EXPECT_FALSE(queue.busy());
    // Both runs happened, the second after the option clicks, in order.
    EXPECT_EQ(pauses, 602);
    EXPECT_EQ(tk.count(Op::AskYesNo), 1u);
    EXPECT_EQ(tk.text(nFrekvence), "1,5");
    EXPECT_EQ(tk.text(nBarva), "černá");
}

TEST_F(Queue, AfterAFailureNoFurtherEventRuns)
{
    int done = 0;
    queue.onHandlerDone([&] { ++done; });
    tk.putText(nSpomaleni, "x");
    tk.onPause = [&] { FAIL() << "the run must end before its first pause"; };
    const auto failure = queue.post(cmdStart, Event::Click);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->number(), error::typeMismatch);
    EXPECT_TRUE(queue.failed());
    EXPECT_FALSE(queue.post(op15, Event::Click));
    EXPECT_EQ(tk.text(nFrekvence), "1");
    EXPECT_EQ(done, 1);
}

} // namespace
} // namespace tavrolin::test
