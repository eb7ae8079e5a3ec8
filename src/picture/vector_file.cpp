#include "picture/vector_file.h"

#include "filesystem/replacing_file.h"

namespace kvx {

bool writeVectorFile(const std::string& path, std::string_view bytes, std::string& error)
{
    ReplacingFile file(path);
    file.write(bytes);
    const bool written = file.commit();
    error = file.error();
    return written;
}

}  // namespace kvx
