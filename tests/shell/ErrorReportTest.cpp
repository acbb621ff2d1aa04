#include "shell/ErrorReport.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Failure.h"
#include "platform/Int16.h"
#include "tests/support/FakeDialogs.h"

namespace {

constexpr const char* kSupportRequest =
    "Please email screenshot of this message to support@tavlora.example";

TEST(ErrorReport, TextJoinsDescriptionRoutineLineAndSupportRequest) {
    EXPECT_EQ(applicationErrorText("Timer1", 110, "Overflow"),
              std::string("Overflow\r\nin Tavlora2021/08/31.Form1.Timer1 at line 110\r\r") +
                  kSupportRequest);

    // With nothing to describe, the report opens on its line break.
    const std::string empty = applicationErrorText("PushButton1_Click", 104, "");
    EXPECT_EQ(empty.rfind("\r\nin Tavlora2021/08/31.Form1.PushButton1_Click at line 104\r\r", 0),
              0u);
    EXPECT_TRUE(empty.ends_with(kSupportRequest));
}

TEST(ErrorReport, BoxIsOneWarningTitledApplicationError) {
    FakeDialogs dialogs;
    reportApplicationError(dialogs, "newGame", 132, "Subscript out of range");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              applicationErrorText("newGame", 132, "Subscript out of range"));
    EXPECT_EQ(dialogs.messages[0].title, "Application Error");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Warning);
}

std::string describe(const std::function<void()>& thrower) {
    try {
        thrower();
    } catch (...) {
        return describeException(std::current_exception());
    }
    return "(nothing thrown)";
}

TEST(ErrorReport, DescriptionsOfEveryKindOfException) {
    EXPECT_EQ(describe([] { throw Failure("Cannot load the picture /a.bmp: File not found"); }),
              "Cannot load the picture /a.bmp: File not found");
    EXPECT_EQ(describe([] {
                  Int16 count = Int16::kMax;
                  ++count;
              }),
              "Overflow");
    EXPECT_EQ(describe([] { throw std::bad_alloc(); }), "Out of memory");
    EXPECT_EQ(describe([] { throw std::out_of_range("vector index"); }), "vector index");
    EXPECT_EQ(describe([] { throw 42; }), "Unknown error");
    EXPECT_EQ(describeException(nullptr), "Unknown error");
}

TEST(ReportingRoutine, RunWithoutFailureShowsNothing) {
    FakeDialogs dialogs;
    ReportingRoutine routine(dialogs, "Form_Activate");
    std::vector<int> ran;
    for (int line : {100, 102, 104}) {
        EXPECT_TRUE(routine.step(line, [&] { ran.push_back(line); }));
    }
    EXPECT_EQ(ran, (std::vector<int>{100, 102, 104}));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(routine.failures(), 0);
}

TEST(ReportingRoutine, TwoFailingStepsGiveTwoBoxesInOrderAndLaterStepsStillRun) {
    FakeDialogs dialogs;
    ReportingRoutine routine(dialogs, "Form_Load");
    std::vector<int> finished;
    auto record = [&](int line) { finished.push_back(line); };

    routine.step(100, [&] { record(100); });
    // The load handler skips 102, so its second step reports 104.
    EXPECT_FALSE(routine.step(104, [&] {
        throw Failure("first");
        record(104);
    }));
    routine.step(106, [&] { record(106); });
    EXPECT_FALSE(routine.step(108, [] { throw std::runtime_error("second"); }));
    routine.step(126, [&] { record(126); });

    EXPECT_EQ(finished, (std::vector<int>{100, 106, 126}));
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text, applicationErrorText("Form_Load", 104, "first"));
    EXPECT_EQ(dialogs.messages[1].text, applicationErrorText("Form_Load", 108, "second"));
    EXPECT_EQ(routine.failures(), 2);
}

// Stands for a routine without a report of its own, such as the board drawing.
void drawSomething(std::vector<std::string>& done) {
    done.push_back("first half");
    throw Failure("Object variable not set");
    done.push_back("second half");
}

TEST(ReportingRoutine, FailureInsideCalledRoutineIsReportedUnderCallerAndCallingStep) {
    FakeDialogs dialogs;
    ReportingRoutine routine(dialogs, "newGame");
    std::vector<std::string> done;
    routine.step(140, [&] { done.push_back("step 140"); });
    routine.step(142, [&] { drawSomething(done); });
    routine.step(144, [&] { done.push_back("step 144"); });

    EXPECT_EQ(done, (std::vector<std::string>{"step 140", "first half", "step 144"}));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              applicationErrorText("newGame", 142, "Object variable not set"));
}

}  // namespace
