#include "MiniJson.h"

#include <cstdlib>

namespace talix::test {

const Json& Json::operator[](const std::string& key) const {
    for (const auto& [k, value] : obj()) {
        if (k == key) {
            return value;
        }
    }
    throw std::runtime_error("no member " + key);
}

std::vector<std::string> Json::keys() const {
    std::vector<std::string> k;
    for (const auto& member : obj()) {
        k.push_back(member.first);
    }
    return k;
}

namespace {

class Parser {
public:
    explicit Parser(const std::string& t) : t_(t) {}

    Json Document() {
        Json j = Value();
        Spaces();
        if (i_ != t_.size()) {
            Fail("trailing characters");
        }
        return j;
    }

private:
    [[noreturn]] void Fail(const std::string& why) {
        throw std::runtime_error("JSON: " + why + " at " + std::to_string(i_));
    }
    void Spaces() {
        while (i_ < t_.size() &&
               (t_[i_] == ' ' || t_[i_] == '\t' || t_[i_] == '\n' || t_[i_] == '\r')) {
            ++i_;
        }
    }
    void Expect(char c) {
        Spaces();
        if (i_ >= t_.size() || t_[i_] != c) {
            Fail(std::string("expected ") + c);
        }
        ++i_;
    }
    bool Literal(const char* word) {
        const std::string w = word;
        if (t_.compare(i_, w.size(), w) == 0) {
            i_ += w.size();
            return true;
        }
        return false;
    }
    Json Value() {
        Spaces();
        if (i_ >= t_.size()) {
            Fail("unexpected end");
        }
        const char c = t_[i_];
        if (c == '{')
            return Json{ObjectValue()};
        if (c == '[')
            return Json{ArrayValue()};
        if (c == '"')
            return Json{String()};
        if (Literal("null"))
            return Json{nullptr};
        if (Literal("true"))
            return Json{true};
        if (Literal("false"))
            return Json{false};
        return Json{Number()};
    }
    Json::Object ObjectValue() {
        Expect('{');
        Json::Object o;
        Spaces();
        if (i_ < t_.size() && t_[i_] == '}') {
            ++i_;
            return o;
        }
        while (true) {
            Spaces();
            std::string key = String();
            Expect(':');
            o.emplace_back(std::move(key), Value());
            Spaces();
            if (i_ < t_.size() && t_[i_] == ',') {
                ++i_;
                continue;
            }
            Expect('}');
            return o;
        }
    }
    Json::Array ArrayValue() {
        Expect('[');
        Json::Array a;
        Spaces();
        if (i_ < t_.size() && t_[i_] == ']') {
            ++i_;
            return a;
        }
        while (true) {
            a.push_back(Value());
            Spaces();
            if (i_ < t_.size() && t_[i_] == ',') {
                ++i_;
                continue;
            }
            Expect(']');
            return a;
        }
    }
    double Number() {
        const std::size_t start = i_;
        if (i_ < t_.size() && t_[i_] == '-')
            ++i_;
        while (i_ < t_.size() &&
               ((t_[i_] >= '0' && t_[i_] <= '9') || t_[i_] == '.' || t_[i_] == 'e' ||
                t_[i_] == 'E' || t_[i_] == '+' || t_[i_] == '-')) {
            ++i_;
        }
        if (i_ == start)
            Fail("unexpected character");
        return std::strtod(t_.substr(start, i_ - start).c_str(), nullptr);
    }
    static void Utf8(std::string& out, unsigned long cp) {
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    std::string String() {
        if (i_ >= t_.size() || t_[i_] != '"')
            Fail("expected a string");
        ++i_;
        std::string s;
        while (true) {
            if (i_ >= t_.size())
                Fail("unterminated string");
            const auto c = static_cast<unsigned char>(t_[i_++]);
            if (c == '"')
                return s;
            if (c < 0x20)
                Fail("raw control character in a string");
            if (c != '\\') {
                s += static_cast<char>(c);
                continue;
            }
            if (i_ >= t_.size())
                Fail("bad escape");
            const char e = t_[i_++];
            switch (e) {
            case '"':
                s += '"';
                break;
            case '\\':
                s += '\\';
                break;
            case '/':
                s += '/';
                break;
            case 'b':
                s += '\b';
                break;
            case 'f':
                s += '\f';
                break;
            case 'n':
                s += '\n';
                break;
            case 'r':
                s += '\r';
                break;
            case 't':
                s += '\t';
                break;
            case 'u': {
                if (i_ + 4 > t_.size())
                    Fail("bad \\u escape");
                const unsigned long cp = std::stoul(t_.substr(i_, 4), nullptr, 16);
                i_ += 4;
                Utf8(s, cp);
                break;
            }
            default:
                Fail("bad escape");
            }
        }
    }

    const std::string& t_;
    std::size_t i_ = 0;
};

} // namespace

Json ParseJson(const std::string& text) {
    return Parser(text).Document();
}

} // namespace talix::test
