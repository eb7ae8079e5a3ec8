#include "app/errors.h"

#include <cstdio>
#include <cstdlib>
#include <new>
#include <utility>

#include "platform/desktop.h"

namespace kvx {

namespace {

int terminationExitCode = 0;
thread_local bool allocationsRecoverable = false;

constexpr std::pair<unsigned, std::string_view> errorTable[] = {
    {1, "Can't open file "},
    {2, "Failure in file "},
    {3, "Wrong path or filename "},
    {4, "Invalid working directory "},
    {5, "Unexpected end of File "},
    {6, "Failure reading data "},
    {10, "No data found in file "},
    {13, "Invalid data "},
    {20, "Out of memory "},
    {30, "Division by zero "},
    {31, "Singular matrix "},
    {32, "Specified index exceeds defined dimensions "},
    {33, "Operands not appropriate for this operation "},
    {34, "Square root of a negative value "},
    {35, "Argument of trigonometric function is out of range "},
    {36, "Out of type range "},
    {45, "OpenGL error: "},
    {50, "Data invalid or out of expected range"},
    {51, "Data out of expected range"},
    {99, ""},
};

}  // namespace

std::string_view errorPrefix(unsigned code)
{
    for (const auto& [c, prefix] : errorTable) {
        if (c == code) {
            return prefix;
        }
    }
    return "Undefined Failure";
}

std::string composeErrorMessage(unsigned code, std::string_view extra)
{
    std::string message(errorPrefix(code));
    message += extra;
    message += '\n';
    return message;
}

MessageBoxRequest errorBox(unsigned code, std::string_view extra, bool warning,
                           NativeWindow* owner)
{
    MessageBoxRequest box;
    box.icon = BoxIcon::Exclamation;
    box.buttons = BoxButtons::Ok;
    box.owner = owner;
    box.foreground = true;
    if (warning) {
        box.text = composeErrorMessage(code, extra);
        box.caption = "Warning";
        box.systemModal = owner == nullptr;
    } else {
        box.text = "Process terminated !\n" + composeErrorMessage(code, extra);
        box.caption = "Error";
        box.systemModal = true;
    }
    return box;
}

BoxResult reportError(unsigned code, std::string_view extra, bool warning, NativeWindow* owner)
{
    if (!warning) {
        reportFatalError(code, extra, owner);
    }
    return Desktop::current().showMessageBox(errorBox(code, extra, true, owner));
}

void reportFatalError(unsigned code, std::string_view extra, NativeWindow* owner)
{
    Desktop::current().showMessageBox(errorBox(code, extra, false, owner));
    terminateProcess();
}

void reportOutOfMemory()
{
    if (allocationsRecoverable) {
        throw std::bad_alloc();
    }
    reportFatalError(ERR_OUT_OF_MEMORY, {});
}

RecoverableAllocations::RecoverableAllocations(bool on) : outer_(on && !allocationsRecoverable)
{
    allocationsRecoverable = allocationsRecoverable || on;
}

bool RecoverableAllocations::active()
{
    return allocationsRecoverable;
}

RecoverableAllocations::~RecoverableAllocations()
{
    if (outer_) {
        allocationsRecoverable = false;
    }
}

void installOutOfMemoryHandler()
{
    std::set_new_handler([] { reportOutOfMemory(); });
}

void terminateProcess()
{
    // Leave at once: destructors of live windows and toolkit objects must not
    // run behind a failure, and nothing is saved.
    std::fflush(nullptr);
    std::_Exit(terminationExitCode);
}

void setTerminationExitCode(int code)
{
    terminationExitCode = code;
}

}  // namespace kvx
