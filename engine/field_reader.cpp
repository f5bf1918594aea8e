#include "engine/field_reader.h"

#include <utility>

#include "engine/leading_number.h"

namespace engine {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string Trim(const std::string& s) {
    std::size_t b = 0, e = s.size();
    while (b < e && IsBlank(s[b])) ++b;
    while (e > b && IsBlank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Up to two digits from s at i; -1 when there are more, none counts as `none`.
int TwoDigits(const std::string& s, std::size_t& i, int none) {
    int value = 0, count = 0;
    while (i < s.size() && IsDigit(s[i])) {
        if (++count > 2) return -1;
        value = value * 10 + (s[i] - '0');
        ++i;
    }
    return count == 0 ? none : value;
}

}  // namespace

int ParseTimeOfDay(const std::string& original) {
    std::string text = Trim(original);
    // A time that the editor moved past midnight carries a date before it; the
    // time of day is what the file means.
    const auto gap = text.find_first_of(" \t");
    if (gap != std::string::npos && text.find_first_of("/-", 0) < gap) text = text.substr(gap + 1);
    std::string s;
    for (char c : text) {
        if (!IsBlank(c)) s += c;
    }
    int half = 0;  // 0: 24-hour clock, 1: AM, 2: PM
    if (s.size() >= 2) {
        const char a = Upper(s[s.size() - 2]);
        if (Upper(s.back()) == 'M' && (a == 'A' || a == 'P')) {
            half = a == 'A' ? 1 : 2;
            s.resize(s.size() - 2);
        }
    }
    std::size_t i = 0;
    // "   :45 AM" has no hour digit: the calculator writes the first hour so.
    const int hour = TwoDigits(s, i, 0);
    if (hour < 0 || i >= s.size() || s[i] != ':') return -1;
    ++i;
    const int minute = TwoDigits(s, i, -1);
    if (minute < 0 || minute > 59) return -1;
    int second = 0;
    if (i < s.size() && s[i] == ':') {
        ++i;
        second = TwoDigits(s, i, -1);
        if (second < 0 || second > 59) return -1;
    }
    if (i != s.size()) return -1;
    int hour24 = hour;
    if (half == 0) {
        if (hour > 23) return -1;
    } else {
        if (hour > 12) return -1;
        hour24 = hour % 12 + (half == 2 ? 12 : 0);
    }
    return hour24 * 3600 + minute * 60 + second;
}

FieldReader::FieldReader(std::string bytes) : bytes_(std::move(bytes)) {}

void FieldReader::skipBlanks() {
    while (pos_ < bytes_.size() && IsBlank(bytes_[pos_])) ++pos_;
}

bool FieldReader::atFieldEnd() const { return pos_ >= bytes_.size() || bytes_[pos_] == ',' || IsLineEnd(bytes_[pos_]); }

void FieldReader::endField() {
    if (pos_ >= bytes_.size()) return;
    const char c = bytes_[pos_];
    if (c == ',' || c == '\n') {
        ++pos_;
    } else if (c == '\r') {
        ++pos_;
        if (pos_ < bytes_.size() && bytes_[pos_] == '\n') ++pos_;
    }
}

std::string FieldReader::restOfField() {
    const std::size_t start = pos_;
    while (!atFieldEnd()) ++pos_;
    std::string rest = bytes_.substr(start, pos_ - start);
    endField();
    return rest;
}

bool FieldReader::startField(FieldStatus& status) {
    skipBlanks();
    if (atEnd()) {
        status = FieldStatus::EndOfFile;
        return false;
    }
    if (atFieldEnd()) {
        status = FieldStatus::Empty;
        endField();
        return false;
    }
    return true;
}

Field<double> FieldReader::number() {
    Field<double> f;
    if (!startField(f.status)) return f;
    const std::size_t start = pos_;
    while (!atFieldEnd() && !IsBlank(bytes_[pos_])) ++pos_;
    f.raw = bytes_.substr(start, pos_ - start);
    // A number field is delimited like a number even when it is none, so that one
    // bad value on the coordinates line does not swallow the two after it.
    if (LeadingNumberLength(f.raw) == f.raw.size()) {
        f.status = FieldStatus::Value;
        f.value = LeadingNumber(f.raw);
    } else {
        f.status = FieldStatus::Damaged;
    }
    // Blanks after a number go with the comma or line end that follows them; before
    // anything else (the next number of the coordinates line) they stay.
    const std::size_t afterNumber = pos_;
    skipBlanks();
    if (atFieldEnd()) {
        endField();
    } else {
        pos_ = afterNumber;
    }
    return f;
}

Field<int> FieldReader::time() {
    Field<int> f;
    if (!startField(f.status)) return f;
    f.status = FieldStatus::Damaged;
    if (bytes_[pos_] != '#') {
        f.raw = Trim(restOfField());
        return f;
    }
    std::size_t close = pos_ + 1;
    while (close < bytes_.size() && bytes_[close] != '#' && !IsLineEnd(bytes_[close])) ++close;
    if (close >= bytes_.size() || bytes_[close] != '#') {
        f.raw = Trim(restOfField());
        return f;
    }
    f.raw = bytes_.substr(pos_, close + 1 - pos_);
    const int seconds = ParseTimeOfDay(bytes_.substr(pos_ + 1, close - pos_ - 1));
    pos_ = close + 1;
    skipBlanks();
    if (!atFieldEnd()) {
        f.raw = Trim(f.raw + restOfField());
        return f;
    }
    endField();
    if (seconds >= 0) {
        f.status = FieldStatus::Value;
        f.value = seconds;
    }
    return f;
}

Field<std::string> FieldReader::text() {
    Field<std::string> f;
    skipBlanks();
    if (atEnd()) return f;
    f.raw = restOfField();
    f.value = f.raw;
    f.status = f.raw.empty() ? FieldStatus::Empty : FieldStatus::Value;
    return f;
}

}  // namespace engine
