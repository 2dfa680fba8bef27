#include "cli/batch_options.h"

#include <bitset>
#include <nlohmann/json.hpp>
#include <unordered_set>

#include "sizing/message_text.h"

namespace tarnvik::cli {

namespace {

using Json = nlohmann::json;
using sizing::Quoted;

// nlohmann's messages start with an internal tag such as
// "[json.exception.parse_error.101] ", which tells a user nothing, and
// end with the token read last, which may be the whole line.
std::string ParseErrorText(std::string_view what) {
    if (!what.empty() && what.front() == '[') {
        const std::size_t end = what.find("] ");
        if (end != std::string_view::npos) what.remove_prefix(end + 2);
    }
    constexpr std::string_view kLastRead = "; last read: '";
    const std::size_t last = what.find(kLastRead);
    if (last == std::string_view::npos || what.back() != '\'') return std::string(what);
    const std::size_t token = last + kLastRead.size();
    return std::string(what.substr(0, token)) +
           sizing::Shortened(what.substr(token, what.size() - 1 - token)) + "'";
}

// The events of one line. Problems are noted, not acted on at once, so
// that the order of the messages does not depend on where in the line
// each problem sits.
class OptionEvents {
  public:
    using string_t = Json::string_t;
    using binary_t = Json::binary_t;

    OptionEvents(sizing::OptionValues& values, std::optional<std::string>& pipe, bool& asTyped)
        : values_(values), pipe_(pipe), asTyped_(asTyped) {}

    bool null() { return Scalar(); }
    bool boolean(bool value) {
        if (IsItemValue() && asTypedKey_) {
            asTyped_ = value;
            return true;
        }
        return Scalar();
    }
    // A number stands for its text as written in the line: 7.50 stays
    // "7.50" and 1e3 stays "1e3", so that the window reads what the user
    // wrote. The parser hands over the text of a number with a fraction or
    // an exponent; an integer's decimal digits are its text (JSON allows
    // no leading zeros), save "-0", which arrives as 0.
    bool number_integer(Json::number_integer_t value) { return Number(std::to_string(value)); }
    bool number_unsigned(Json::number_unsigned_t value) { return Number(std::to_string(value)); }
    bool number_float(Json::number_float_t, const string_t& text) {
        // The parser has already put the process locale's decimal point in
        // the place of the point ("7,50" under de_DE), to read the number
        // with strtod; a JSON number has no other character than digits,
        // signs and the exponent's letter, so whatever else is there was
        // the point.
        string_t written = text;
        for (char& c : written)
            if ((c < '0' || c > '9') && c != '-' && c != '+' && c != 'e' && c != 'E') c = '.';
        return Number(std::move(written));
    }
    bool binary(binary_t&) { return Scalar(); }

    bool string(string_t& value) {
        if (IsItemValue() && asTypedKey_) return Scalar();
        if (!IsItemValue() || (!option_ && !pipeKey_)) return true;
        // A box text ends at a NUL, so "12\u0000" would read as 12.
        if (value.find('\0') != std::string::npos) {
            NoteItem("the value of \"" + std::string(KeyName()) + "\" holds a NUL character");
        } else if (pipeKey_) {
            pipe_ = std::move(value);
        } else {
            values_[option_->opt] = std::move(value);
        }
        return true;
    }

    bool start_object(std::size_t) {
        if (depth_ == 0) object_ = true;
        return Open();
    }
    bool start_array(std::size_t) { return Open(); }
    bool end_object() { return Close(); }
    bool end_array() { return Close(); }

    bool key(string_t& key) {
        if (depth_ != 1) return true;
        // "pipe" names a pipe whose inner diameter stands for the diameter.
        pipeKey_ = key == kPipeKey;
        asTypedKey_ = key == kAsTypedKey;
        option_ = pipeKey_ || asTypedKey_ ? nullptr : sizing::FindWindowOption(key);
        if (duplicate_.empty() && !FirstTime(key)) duplicate_ = key;
        if (!option_ && !pipeKey_ && !asTypedKey_ && item_.empty())
            NoteItem("unknown key " + Quoted(key) + "; the keys are the option names");
        return true;
    }

    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& e) {
        error_ = "malformed line: " + ParseErrorText(e.what());
        return false;
    }

    std::string Problem() const {
        if (!error_.empty()) return error_;
        if (!object_) return "a line must be one JSON object of option names and texts";
        if (!duplicate_.empty()) return "key " + Quoted(duplicate_) + " is given twice";
        return item_;
    }

  private:
    // A value right inside the line's object, after its key.
    bool IsItemValue() const { return object_ && depth_ == 1; }

    bool Scalar() {
        if (IsItemValue() && pipeKey_)
            NoteItem("the value of \"pipe\" must be a string, a pipe's name");
        else if (IsItemValue() && asTypedKey_)
            NoteItem("the value of \"as-typed\" must be true or false");
        else if (IsItemValue() && option_)
            NoteItem("the value of \"" + std::string(option_->name) +
                     "\" must be a string or a number, as typed into the window");
        return true;
    }

    bool Number(string_t text) {
        if (IsItemValue() && option_) return string(text);
        return Scalar();
    }

    std::string_view KeyName() const { return pipeKey_ ? kPipeKey : option_->name; }

    bool Open() {
        Scalar();
        if (++depth_ > kMaxJsonNesting) {
            error_ = "JSON nested deeper than the limit of " + std::to_string(kMaxJsonNesting) +
                     " levels";
            return false;
        }
        return true;
    }

    bool Close() {
        --depth_;
        return true;
    }

    // Option names are told apart without storing them; only other keys,
    // already an error, are kept, for a duplicate to be named first.
    bool FirstTime(const std::string& key) {
        if (pipeKey_ || asTypedKey_) {
            bool& seen = pipeKey_ ? pipeSeen_ : asTypedSeen_;
            const bool first = !seen;
            seen = true;
            return first;
        }
        if (!option_) return others_.insert(key).second;
        const std::size_t i = static_cast<std::size_t>(option_->opt);
        const bool first = !seen_[i];
        seen_[i] = true;
        return first;
    }

    void NoteItem(std::string problem) {
        if (item_.empty()) item_ = std::move(problem);
    }

    static constexpr std::string_view kPipeKey = "pipe";
    static constexpr std::string_view kAsTypedKey = "as-typed";

    sizing::OptionValues& values_;
    std::optional<std::string>& pipe_;
    bool pipeKey_ = false;  // the last key at depth 1 was "pipe"
    bool pipeSeen_ = false;
    bool& asTyped_;
    bool asTypedKey_ = false;  // the last key at depth 1 was "as-typed"
    bool asTypedSeen_ = false;
    std::size_t depth_ = 0;
    bool object_ = false;
    const sizing::WindowOption* option_ = nullptr;  // of the last key at depth 1
    std::bitset<sizing::kOptCount> seen_;
    std::unordered_set<std::string> others_;
    std::string duplicate_;
    std::string item_;
    std::string error_;
};

}  // namespace

std::string ReadBatchOptions(std::string_view line, sizing::OptionValues& values,
                             std::optional<std::string>& pipe, bool& asTyped) {
    // The parser takes a NUL byte for the end of its input and would let
    // whatever follows it pass unread.
    if (line.find('\0') != std::string_view::npos) return "malformed line: a NUL byte";
    OptionEvents events(values, pipe, asTyped);
    Json::sax_parse(line.begin(), line.end(), &events);
    return events.Problem();
}

}  // namespace tarnvik::cli
