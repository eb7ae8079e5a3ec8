#pragma once
// A child process that changes files step by step, each step when the test
// says so: the test knows what a file holds when it looks, or looks while
// the writer is at work, and the writer can never run ahead of it.

#include <functional>
#include <vector>

#include <sys/types.h>

namespace kvx::test {

class WriterProcess {
public:
    explicit WriterProcess(std::vector<std::function<void()>> steps);
    // Ends the process if the test did not wait for it.
    ~WriterProcess();
    WriterProcess(const WriterProcess&) = delete;
    WriterProcess& operator=(const WriterProcess&) = delete;

    // Lets the writer take its next step and returns at once.
    void startStep();
    // Waits until the step started last is done.
    void awaitStep();
    // Both: the next step is done on return.
    void step()
    {
        startStep();
        awaitStep();
    }
    // Waits for the process to end; true when it took every step and exited 0.
    bool finish();

private:
    pid_t pid_ = -1;
    int go_ = -1;    // the test's end of the pipe that starts a step
    int done_ = -1;  // the test's end of the pipe that says a step is done
};

}  // namespace kvx::test
