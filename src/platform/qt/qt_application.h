#pragma once
// Starts the desktop toolkit for one program and installs its Desktop for the
// run. The header is toolkit-free so that program entries can use it.

#include <memory>

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

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace kvx
