#include "app/command_line_tokenizer.h"

#include "platform/utf8_text.h"

namespace kvx {

bool CommandLineTokenizer::next(std::string& token)
{
    const std::size_t size = text_.size();
    if (pos_ >= size) {
        return false;
    }
    std::size_t begin = pos_;
    std::size_t end = 0;
    if (text_[pos_] == '"') {
        const std::size_t close = text_.find('"', pos_ + 1);
        if (close == std::string::npos) {
            pos_ = size;
            return false;
        }
        begin = pos_ + 1;
        end = close;
        pos_ = close + 2;  // the closing quote and the one separating blank
    } else {
        // The token's own first character is never a separator.
        const std::size_t blank = text_.find(' ', pos_ + 1);
        end = blank == std::string::npos ? size : blank;
        pos_ = end + 1;
    }
    token.assign(cutAtCharacter(std::string_view(text_).substr(begin, end - begin), maxTokenLength));
    return true;
}

}  // namespace kvx
