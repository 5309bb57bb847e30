#include "support/WinTest.h"

#include "forms/base/Exceptions.h"
#include "forms/win/Thread.h"

#include <atomic>
#include <functional>
#include <memory>

using namespace forms;

using ThreadTest = WinTest;

TEST_F(ThreadTest, OnTerminateRunsOnTheGuiThreadAfterTheBody) {
    std::atomic<DWORD> bodyThread{0};
    DWORD endThread = 0;
    bool bodyDoneAtEnd = false;
    TThread t([&](TThread&) { bodyThread = GetCurrentThreadId(); });
    t.OnTerminate = [&](TThread* sender) {
        endThread = GetCurrentThreadId();
        bodyDoneAtEnd = sender->Finished();
    };
    t.Start();
    ASSERT_TRUE(kbtest::PumpUntil([&] { return endThread != 0; }));
    EXPECT_EQ(endThread, GetCurrentThreadId());
    EXPECT_NE(bodyThread.load(), GetCurrentThreadId());
    EXPECT_TRUE(bodyDoneAtEnd);
}

TEST_F(ThreadTest, WaitForBlocksUntilTheRunningBodyReturns) {
    std::atomic<bool> started{false}, release{false}, returned{false};
    int ends = 0;
    TThread t([&](TThread&) {
        started = true;
        while (!release)
            Sleep(1);
        returned = true;
    });
    t.OnTerminate = [&](TThread*) { ++ends; };
    t.Start();
    ASSERT_TRUE(kbtest::WaitUntil([&] { return started.load(); }));
    EXPECT_FALSE(t.Finished());
    std::thread releaser([&] {
        Sleep(50);
        release = true;
    });
    t.WaitFor();
    releaser.join();
    EXPECT_TRUE(returned);
    EXPECT_TRUE(t.Finished());
    // The end is the message loop's business, not WaitFor's.
    EXPECT_EQ(ends, 0);
    kbtest::PumpUntil([&] { return ends > 0; });
    EXPECT_EQ(ends, 1);
}

TEST_F(ThreadTest, TerminateEndsAPauseAtOnce) {
    std::atomic<bool> paused{false};
    std::atomic<int> pauseResult{-1};
    TThread t([&](TThread& self) {
        paused = true;
        pauseResult = self.Pause(INFINITE) ? 1 : 0;
    });
    t.Start();
    ASSERT_TRUE(kbtest::WaitUntil([&] { return paused.load(); }));
    t.Terminate();
    EXPECT_TRUE(t.Terminated());
    t.WaitFor();
    EXPECT_EQ(pauseResult, 0);
}

TEST_F(ThreadTest, ErrorInTheBodyReachesHandleExceptionOnTheGuiThread) {
    DWORD reportThread = 0;
    Application.OnException = [&](std::exception_ptr e) {
        errors.push_back(ExceptionMessage(e));
        reportThread = GetCurrentThreadId();
    };
    bool ended = false;
    TThread t([](TThread&) { throw Exception("本体のエラー"); });
    t.OnTerminate = [&](TThread*) { ended = true; };
    t.Start();
    ASSERT_TRUE(kbtest::PumpUntil([&] { return ended; }));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "本体のエラー");
    EXPECT_EQ(reportThread, GetCurrentThreadId());
}

TEST_F(ThreadTest, ThreadFreedBeforeItsEndNeverHearsOfIt) {
    bool ended = false;
    {
        TThread t([](TThread&) {});
        t.OnTerminate = [&](TThread*) { ended = true; };
        t.Start();
        t.WaitFor(); // the end is posted now, not yet handled
    }
    kbtest::PumpPosted();
    EXPECT_FALSE(ended);
}

TEST_F(ThreadTest, DestroyingARunningThreadStopsAndWaitsForIt) {
    std::atomic<bool> paused{false}, returned{false};
    auto t = std::make_unique<TThread>([&](TThread& self) {
        paused = true;
        self.Pause(INFINITE);
        returned = true;
    });
    t->Start();
    ASSERT_TRUE(kbtest::WaitUntil([&] { return paused.load(); }));
    t.reset();
    EXPECT_TRUE(returned);
}

TEST_F(ThreadTest, ErrorOfAThreadFreedBeforeItsEndIsStillReported) {
    {
        TThread t([](TThread&) { throw Exception("失われないエラー"); });
        t.Start();
        t.WaitFor();
    }
    kbtest::PumpPosted();
    EXPECT_EQ(errors, (std::vector<std::string>{"失われないエラー"}));
}

TEST_F(ThreadTest, HandlerMayFreeItsThread) {
    auto* t = new TThread([](TThread&) {});
    bool ended = false;
    t->OnTerminate = [&](TThread* sender) {
        delete sender;
        ended = true;
    };
    t->Start();
    EXPECT_TRUE(kbtest::PumpUntil([&] { return ended; }));
}

TEST_F(ThreadTest, StartingTwiceIsRefused) {
    TThread t([](TThread&) {});
    t.Start();
    EXPECT_THROW(t.Start(), Exception);
    t.WaitFor();
}

TEST_F(ThreadTest, WaitingForAThreadNeverStartedReturnsAtOnce) {
    TThread t([](TThread&) {});
    t.WaitFor();
    EXPECT_FALSE(t.Finished());
}

TEST_F(ThreadTest, ThreadDestroyedRightAfterStartEndsCleanly) {
    // The worker may not have begun when the object goes: the body still finds its thread.
    std::atomic<int> bodies{0};
    for (int i = 0; i < 20; ++i) {
        TThread t([&](TThread& self) {
            self.Pause(INFINITE);
            ++bodies;
        });
        t.Start();
    }
    EXPECT_EQ(bodies, 20);
}
