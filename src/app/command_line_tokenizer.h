#pragma once
// Splits one command-line text into file names: single blanks separate them,
// a name with blanks stands in double quotes.

#include <cstddef>
#include <string>
#include <string_view>

namespace kvx {

class CommandLineTokenizer {
public:
    // The longest token handed out; longer ones are cut to this length.
    static constexpr std::size_t maxTokenLength = 259;

    explicit CommandLineTokenizer(std::string_view text) : text_(text) {}

    // The next token, or false when there is none. An unterminated quote ends
    // tokenising. Runs of blanks are not skipped: a second blank becomes the
    // first character of the next token.
    bool next(std::string& token);

private:
    std::string text_;
    std::size_t pos_ = 0;
};

}  // namespace kvx
