// The program on a backend: a failure's box and end, and the program's own
// close, decided once for every backend.
#include "window/Session.h"
#include "support/FakeBackend.h"

#include <gtest/gtest.h>

namespace tavrolin::test {
namespace {

using enum ControlId;

TEST(Session, AFailureIsShownWithItsNumberAndEndsTheProgramWithStatusOne)
{
    FakeBackend backend;
    Session session(backend);
    ASSERT_TRUE(session.load());
    backend.putText(nSpomaleni, "pomalu");
    session.post(cmdStart, Event::Click);
    ASSERT_EQ(backend.failures.size(), 1u);
    EXPECT_EQ(backend.failures[0], "Chyba č. 13\n\nNeshoda typů: text „pomalu“ není číslo.");
    EXPECT_EQ(backend.closedWith, 1);
    EXPECT_TRUE(session.ended());
    session.post(op15, Event::Click);
    EXPECT_EQ(backend.textOf(nFrekvence), "1") << "nothing runs after the end";
}

// A failure outside the handlers (a new scale, building the window): while
// its box shows, the desktop's modal loop goes on, and neither held input nor
// a new click may run a handler of a program that has ended.
TEST(Session, WhileAFailureOutsideTheHandlersIsShownNothingRuns)
{
    FakeBackend backend;
    Session session(backend);
    ASSERT_TRUE(session.load());
    session.queue().hold([&] { session.post(op15, Event::Click); });
    backend.whileFailureShows = [&] {
        session.queue().deliverHeldInput();
        session.post(op05, Event::Click);
    };
    session.guard([] { throw Failure(error::overflow, "Přetečení."); });
    EXPECT_EQ(backend.failures.size(), 1u);
    EXPECT_EQ(backend.textOf(nFrekvence), "1");
    EXPECT_EQ(backend.closedWith, 1);
}

TEST(Session, ANewFitDuringARunIsTakenOnceWhenItHasEndedTheLatestStandingForAll)
{
    FakeBackend backend;
    Session session(backend);
    ASSERT_TRUE(session.load());
    std::vector<int> fitted;
    session.requestFit([&] { fitted.push_back(0); });
    backend.onWait = [&] {
        session.requestFit([&] { fitted.push_back(1); });
        session.requestFit([&] { fitted.push_back(2); });
    };
    session.post(cmdStart, Event::Click);
    EXPECT_EQ(fitted, (std::vector<int>{0, 2}));
}

TEST(Session, AScreenReaderHearsARunStartAndEndButNotOtherClicks)
{
    FakeBackend backend;
    Session session(backend);
    ASSERT_TRUE(session.load());
    session.post(op15, Event::Click);
    EXPECT_TRUE(backend.announced.empty());
    session.post(cmdStart, Event::Click);
    EXPECT_EQ(backend.announced, (std::vector<std::string>{"Animace běží.", "Animace skončila."}));
}

TEST(Session, KonecClosesOnceItsHandlerHasReturnedAndDropsHeldInput)
{
    FakeBackend backend;
    Session session(backend);
    ASSERT_TRUE(session.load());
    int delivered = 0;
    session.queue().hold([&] { ++delivered; });
    session.post(cmdKonec, Event::Click);
    EXPECT_EQ(backend.closedWith, 0);
    session.queue().deliverHeldInput();
    EXPECT_EQ(delivered, 0);
    EXPECT_TRUE(backend.failures.empty());
}

} // namespace
} // namespace tavrolin::test
