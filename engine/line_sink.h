#pragma once

#include <string>
#include <string_view>

namespace engine {

// Where text files are written line by line; every line ends with CR LF.
class LineSink {
public:
    virtual ~LineSink() = default;
    // Appends line + CR LF; false on failure.
    virtual bool writeLine(std::string_view line) = 0;
};

// A sink that keeps the text in memory (previews of file content, tests).
class StringLineSink : public LineSink {
public:
    bool writeLine(std::string_view line) override;
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

}  // namespace engine
