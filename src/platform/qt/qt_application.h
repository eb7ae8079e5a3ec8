#pragma once
// Starts the desktop toolkit for one program and holds its Desktop for the
// run, which the program's application context makes current. The header is
// toolkit-free so that program entries can use it.

#include <memory>
#include <string>

namespace kvx {

class QtDesktop;

class QtApplication {
public:
    // `batch` runs without showing anything (the offscreen platform) and
    // turns message boxes into lines on standard error.
    QtApplication(int& argc, char** argv, bool batch);
    ~QtApplication();
    QtApplication(const QtApplication&) = delete;
    QtApplication& operator=(const QtApplication&) = delete;

    QtDesktop& desktop();

    // Empty when a window can be shown, else why not, in the words a user
    // without a display needs. A display named but not reachable is only
    // found when the toolkit starts: that start then says the same and
    // ends the program with 1.
    static std::string displayProblem();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace kvx
