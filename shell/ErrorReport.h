#pragma once

#include <exception>
#include <string>
#include <utility>

#include "platform/Dialogs.h"

// The "Application Error" box: the only error log the program keeps.
std::string applicationErrorText(const std::string& routine, int line,
                                 const std::string& description);
void reportApplicationError(Dialogs& dialogs, const std::string& routine, int line,
                            const std::string& description);

// The description a caught exception carries: a Failure's own text, "Out of memory" for
// std::bad_alloc, what() for any other std::exception.
std::string describeException(const std::exception_ptr& error);

// One run of a reporting entry point. Each numbered step runs in turn; a step that throws is
// reported under the routine's name with that step's number, and the routine goes on with its next
// step. A failure deep inside a called routine therefore surfaces under the first reporting caller
// and the number of its calling step.
class ReportingRoutine {
public:
    ReportingRoutine(Dialogs& dialogs, std::string name);

    // Returns true when the step ran to its end.
    template <typename Action>
    bool step(int line, Action&& action) {
        try {
            std::forward<Action>(action)();
            return true;
        } catch (...) {
            report(line, std::current_exception());
            return false;
        }
    }

    int failures() const { return failures_; }

private:
    void report(int line, const std::exception_ptr& error);

    Dialogs& dialogs_;
    std::string name_;
    int failures_ = 0;
};
