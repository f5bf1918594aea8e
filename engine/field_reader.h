#pragma once

#include <cstddef>
#include <string>

namespace engine {

enum class FieldStatus { Value, Empty, Damaged, EndOfFile };

template <class T>
struct Field {
    FieldStatus status = FieldStatus::EndOfFile;
    T value{};
    std::string raw;  // the field's text as it stood (blanks before it dropped)
    bool ok() const { return status == FieldStatus::Value; }
};

// The one reader of the times file for both programs: a stream of fields, each
// ending at a comma or a line end, read as what its position needs.
// Never reads past the end, never hangs, never crashes, on any bytes.
class FieldReader {
public:
    explicit FieldReader(std::string bytes);

    // A number: ends at the first blank, comma or line end; blanks after it up to a
    // comma go with the comma, so line 5's three numbers are three fields.
    Field<double> number();
    // A time between "#" and "#": seconds since midnight. 12-hour with or without
    // seconds ("5:07 AM", "5:07:00 AM", "   :45 AM" = 0:45) or 24-hour ("17:07").
    Field<int> time();
    // Text up to the next comma or line end.
    Field<std::string> text();

    bool atEnd() const { return pos_ >= bytes_.size(); }

private:
    void skipBlanks();
    // Skips the blanks before a field; false, with the status, when there is no field
    // text here (the end of the bytes, or an empty field, whose end is consumed).
    bool startField(FieldStatus& status);
    bool atFieldEnd() const;
    void endField();            // consumes a comma or one line end, if there
    std::string restOfField();  // up to a comma or line end, which is consumed

    std::string bytes_;
    std::size_t pos_ = 0;
};

// A time of day as text ("5:07 AM", "17:07:30", "12/30/1899 11:59:00 PM") to
// seconds since midnight; -1 when it is none.
int ParseTimeOfDay(const std::string& text);

}  // namespace engine
