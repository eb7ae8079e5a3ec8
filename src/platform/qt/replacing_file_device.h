#pragma once
// A Qt output device that hands what Qt writes on to a ReplacingFile, which
// keeps the first failure and its reason.

#include <QIODevice>

#include "filesystem/replacing_file.h"

namespace kvx {

class ReplacingFileDevice final : public QIODevice {
public:
    explicit ReplacingFileDevice(ReplacingFile& file) : file_(file) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        return file_.write(data, static_cast<std::size_t>(size)) ? size : -1;
    }

private:
    ReplacingFile& file_;
};

}  // namespace kvx
