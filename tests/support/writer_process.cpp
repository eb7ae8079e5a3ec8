#include "support/writer_process.h"

#include <cerrno>
#include <stdexcept>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kvx::test {

namespace {

bool readByte(int fd)
{
    char c = 0;
    ssize_t n = 0;
    do {
        n = ::read(fd, &c, 1);
    } while (n < 0 && errno == EINTR);
    return n == 1;
}

bool writeByte(int fd)
{
    const char c = 's';
    ssize_t n = 0;
    do {
        n = ::write(fd, &c, 1);
    } while (n < 0 && errno == EINTR);
    return n == 1;
}

}  // namespace

WriterProcess::WriterProcess(std::vector<std::function<void()>> steps)
{
    int go[2];
    int done[2];
    if (::pipe(go) != 0 || ::pipe(done) != 0) {
        throw std::runtime_error("no pipe for the writer process");
    }
    pid_ = ::fork();
    if (pid_ < 0) {
        throw std::runtime_error("no writer process");
    }
    if (pid_ == 0) {
        ::close(go[1]);
        ::close(done[0]);
        for (const auto& s : steps) {
            if (!readByte(go[0])) {
                ::_exit(1);  // the test ended early
            }
            s();
            if (!writeByte(done[1])) {
                ::_exit(1);
            }
        }
        ::_exit(0);
    }
    ::close(go[0]);
    ::close(done[1]);
    go_ = go[1];
    done_ = done[0];
}

WriterProcess::~WriterProcess()
{
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        finish();
    }
}

void WriterProcess::startStep()
{
    if (!writeByte(go_)) {
        throw std::runtime_error("the writer process has ended");
    }
}

void WriterProcess::awaitStep()
{
    if (!readByte(done_)) {
        throw std::runtime_error("the writer process ended in a step");
    }
}

bool WriterProcess::finish()
{
    if (pid_ <= 0) {
        return false;
    }
    ::close(go_);
    ::close(done_);
    int status = 0;
    pid_t got = 0;
    do {
        got = ::waitpid(pid_, &status, 0);
    } while (got < 0 && errno == EINTR);
    pid_ = -1;
    return got > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace kvx::test
