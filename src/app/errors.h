#pragma once
// The one way the system reports failures: a numeric code from the error
// table and an extra text become a message box. Warnings return and let the
// caller abandon the current work; terminating errors end the process.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/message_box.h"

namespace kvx {

class NativeWindow;

// Codes that the system raises.
constexpr unsigned ERR_CANT_OPEN = 1;
constexpr unsigned ERR_FILE_FAILURE = 2;
constexpr unsigned ERR_UNEXPECTED_EOF = 5;
constexpr unsigned ERR_READING_DATA = 6;
constexpr unsigned ERR_NO_DATA = 10;
constexpr unsigned ERR_OUT_OF_MEMORY = 20;
constexpr unsigned ERR_INDEX_EXCEEDS = 32;
constexpr unsigned ERR_DATA_INVALID = 50;
constexpr unsigned ERR_DATA_OUT_OF_RANGE = 51;
constexpr unsigned ERR_MESSAGE = 99;  // the extra text is the whole message

// The table's prefix of `code`, "Undefined Failure" for codes not in it.
std::string_view errorPrefix(unsigned code);

// Prefix, extra text and one line feed.
std::string composeErrorMessage(unsigned code, std::string_view extra);

// The box that reportError shows for a warning or a terminating error.
MessageBoxRequest errorBox(unsigned code, std::string_view extra, bool warning,
                           NativeWindow* owner);

// Shows the box. A warning returns the box's answer; a terminating error
// (warning false) ends the process once the box is closed, with the exit
// code set by setTerminationExitCode (0 unless set).
BoxResult reportError(unsigned code, std::string_view extra, bool warning,
                      NativeWindow* owner = nullptr);

// The terminating form of reportError.
[[noreturn]] void reportFatalError(unsigned code, std::string_view extra,
                                   NativeWindow* owner = nullptr);

// Error 20: every failed allocation ends here, unless a RecoverableAllocations
// of this thread lives: then it throws std::bad_alloc.
[[noreturn]] void reportOutOfMemory();

// While one lives, a failed allocation of this thread throws std::bad_alloc
// instead of ending the program: for work that can give up on its own, as
// following a file that grows does.
class RecoverableAllocations {
public:
    // `on` false leaves the thread as it is: for a thread that does part of
    // another one's work, as that one does.
    explicit RecoverableAllocations(bool on = true);
    ~RecoverableAllocations();
    // Whether a failed allocation of this thread throws now.
    static bool active();
    RecoverableAllocations(const RecoverableAllocations&) = delete;
    RecoverableAllocations& operator=(const RecoverableAllocations&) = delete;

private:
    bool outer_;
};

// Makes every failed allocation of the program error 20.
void installOutOfMemoryHandler();

// Ends the process the way a terminating error does: pending output is
// flushed, no window message is processed any more, and the exit code is
// the one set below.
[[noreturn]] void terminateProcess();

// The exit code of terminateProcess: 0 for the interactive programs, as the
// user has seen the box; batch mode sets its own so that scripts learn of
// the failure.
void setTerminationExitCode(int code);

}  // namespace kvx
