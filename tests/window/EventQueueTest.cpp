#include "support/RecordingToolkit.h"
#include "window/EventQueue.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

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

TEST_F(Queue, HeldInputIsDeliveredWhenIdleInOrderBehindWhatItStarted)
{
    // Start, then Konec during run 1, then more input during run 2: the
    // held Start runs run 2 to its end before Konec is delivered, and
    // Konec, which closes the window, leaves nothing after it.
    std::vector<std::string> seen;
    int pauses = 0;
    const auto note = [&](const char* what) { seen.push_back(what + std::string(" after ") + std::to_string(pauses)); };
    tk.onPause = [&] {
        EXPECT_TRUE(queue.holdsInput());
        if (++pauses == 3) {
            queue.hold([&] {
                note("start");
                EXPECT_FALSE(queue.post(cmdStart, Event::Click));
            });
            queue.hold([&] {
                note("konec");
                queue.windowClosed();
            });
        }
        if (pauses == 305) queue.hold([&] { note("late"); });
    };
    tk.answers = {Answer::No};
    EXPECT_FALSE(queue.post(cmdStart, Event::Click));
    // Nothing is delivered from inside the handler that held it, and newer
    // input still goes behind the held input.
    EXPECT_EQ(pauses, 301);
    EXPECT_TRUE(queue.holdsInput());
    queue.deliverHeldInput();
    EXPECT_EQ(seen, (std::vector<std::string>{"start after 301", "konec after 602"}));
    EXPECT_EQ(tk.count(Op::AskYesNo), 1u);
    EXPECT_FALSE(queue.hasHeldInput());
}

TEST_F(Queue, HeldInputThatThrowsLeavesTheRestDeliverable)
{
    queue.hold([] { throw std::runtime_error("a toolkit's input broke"); });
    queue.hold([&] { EXPECT_FALSE(queue.post(op15, Event::Click)); });
    EXPECT_THROW(queue.deliverHeldInput(), std::runtime_error);
    queue.deliverHeldInput();
    EXPECT_FALSE(queue.hasHeldInput());
    EXPECT_EQ(tk.text(nFrekvence), "1,5");
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
