#include "shell/ErrorReport.h"

#include <QCoreApplication>
#include <QString>
#include <new>
#include <stdexcept>

#include "platform/Failure.h"

namespace {
// A reserved domain: it belongs to no one, so a copied address never reaches a stranger.
constexpr const char* kSupportAddress = "support@tavlora.example";
// The fixed descriptions of our own failures are known to the catalogue under "Failure"; a
// description made of other words (a file's name, SQLite's text) is shown as it is.
std::string translatedDescription(const std::string& description) {
    if (description.empty()) {
        return description;
    }
    return QCoreApplication::translate("Failure", description.c_str()).toStdString();
}
}  // namespace

std::string applicationErrorText(const std::string& routine, int line,
                                 const std::string& description) {
    // One pass over the pattern, so a description holding "%1" stays as it is.
    return QCoreApplication::translate("ErrorReport",
                                       "%1\r\nin Tavlora2021/08/31.Form1.%2 at line %3\r\r"
                                       "Please email screenshot of this message to %4")
        .arg(QString::fromStdString(description), QString::fromStdString(routine),
             QString::number(line), QLatin1String(kSupportAddress))
        .toStdString();
}

void reportApplicationError(Dialogs& dialogs, const std::string& routine, int line,
                            const std::string& description) {
    dialogs.showMessage(
        applicationErrorText(routine, line, translatedDescription(description)),
        QCoreApplication::translate("ErrorReport", "Application Error").toStdString(),
        MessageIcon::Warning);
}

std::string describeException(const std::exception_ptr& error) {
    // Rethrowing an empty pointer is undefined, so it is answered before the rethrow.
    if (!error) {
        return TAVLORA_TRANSLATABLE("Failure", "Unknown error");
    }
    try {
        std::rethrow_exception(error);
    } catch (const Failure& failure) {
        return failure.description();
    } catch (const std::bad_alloc&) {
        return TAVLORA_TRANSLATABLE("Failure", "Out of memory");
    } catch (const std::exception& other) {
        return other.what();
    } catch (...) {
        return TAVLORA_TRANSLATABLE("Failure", "Unknown error");
    }
}

ReportingRoutine::ReportingRoutine(Dialogs& dialogs, std::string name)
    : dialogs_(dialogs), name_(std::move(name)) {}

void ReportingRoutine::report(int line, const std::exception_ptr& error) {
    ++failures_;
    reportApplicationError(dialogs_, name_, line, describeException(error));
}
