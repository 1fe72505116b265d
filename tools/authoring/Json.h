#pragma once
// A small JSON reader for the authoring sources (outlines, catalogue lists). It reads the whole
// grammar of RFC 8259 except that numbers are held as double and strings keep \u escapes of the
// Basic Multilingual Plane only; that is all an outline or a category list needs.
#include "platform/Result.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace salon::tools {

struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    double number = 0;
    std::string string;
    std::vector<JsonValue> array;
    std::map<std::string, JsonValue> object;

    bool isArray() const { return kind == Kind::Array; }
    bool isNumber() const { return kind == Kind::Number; }
    bool isObject() const { return kind == Kind::Object; }
    bool isString() const { return kind == Kind::String; }
    const JsonValue* find(const std::string& key) const;
};

// The error names the line and column of the first character that does not fit.
Result<JsonValue> parseJson(std::string_view text);

} // namespace salon::tools
