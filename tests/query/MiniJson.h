#pragma once
// A strict little JSON reader for the tests of talix-query: it rejects what a real
// parser would, and keeps the order of object members.

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace talix::test {

struct Json {
    using Array = std::vector<Json>;
    using Object = std::vector<std::pair<std::string, Json>>;
    std::variant<std::nullptr_t, bool, double, std::string, Array, Object> v;

    bool isNull() const { return std::holds_alternative<std::nullptr_t>(v); }
    bool boolean() const { return std::get<bool>(v); }
    double number() const { return std::get<double>(v); }
    const std::string& str() const { return std::get<std::string>(v); }
    const Array& arr() const { return std::get<Array>(v); }
    const Object& obj() const { return std::get<Object>(v); }
    // The member `key` of an object; throws when it has none.
    const Json& operator[](const std::string& key) const;
    const Json& operator[](std::size_t i) const { return arr().at(i); }
    std::vector<std::string> keys() const;
};

// Parses one whole JSON text; throws std::runtime_error on anything invalid.
Json ParseJson(const std::string& text);

} // namespace talix::test
