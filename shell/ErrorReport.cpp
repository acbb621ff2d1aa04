#include "shell/ErrorReport.h"

#include <new>
#include <stdexcept>

#include "platform/Failure.h"

namespace {
// A reserved domain: it belongs to no one, so a copied address never reaches a stranger.
constexpr const char* kSupportAddress = "support@tavlora.example";
}  // namespace

std::string applicationErrorText(const std::string& routine, int line,
                                 const std::string& description) {
    return description + "\r\n" + "in Tavlora2021/08/31.Form1." + routine + " " + "at line " +
           std::to_string(line) + "\r\r" + "Please email screenshot of this message to " +
           kSupportAddress;
}

void reportApplicationError(Dialogs& dialogs, const std::string& routine, int line,
                            const std::string& description) {
    dialogs.showMessage(applicationErrorText(routine, line, description), "Application Error",
                        MessageIcon::Warning);
}

std::string describeException(const std::exception_ptr& error) {
    // Rethrowing an empty pointer is undefined, so it is answered before the rethrow.
    if (!error) {
        return "Unknown error";
    }
    try {
        std::rethrow_exception(error);
    } catch (const Failure& failure) {
        return failure.description();
    } catch (const std::bad_alloc&) {
        return "Out of memory";
    } catch (const std::exception& other) {
        return other.what();
    } catch (...) {
        return "Unknown error";
    }
}

ReportingRoutine::ReportingRoutine(Dialogs& dialogs, std::string name)
    : dialogs_(dialogs), name_(std::move(name)) {}

void ReportingRoutine::report(int line, const std::exception_ptr& error) {
    ++failures_;
    reportApplicationError(dialogs_, name_, line, describeException(error));
}
