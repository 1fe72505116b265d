#include "tools/authoring/Json.h"

#include <cctype>
#include <charconv>
#include <cstdlib>

namespace salon::tools {

const JsonValue* JsonValue::find(const std::string& key) const
{
    if (kind != Kind::Object) return nullptr;
    auto it = object.find(key);
    return it == object.end() ? nullptr : &it->second;
}

namespace {

class Parser {
public:
    explicit Parser(std::string_view text) : m_text(text) {}

    Result<JsonValue> document()
    {
        JsonValue v;
        if (!value(v, 0)) return Error{m_error};
        skipSpace();
        if (m_pos != m_text.size()) return fail("unexpected text after the value"), Error{m_error};
        return v;
    }

private:
    // Deep nesting is no outline's shape; the limit keeps a hostile file from exhausting the stack.
    static constexpr int MaxDepth = 64;

    bool fail(const std::string& what)
    {
        if (!m_error.empty()) return false;
        int line = 1, column = 1;
        for (size_t i = 0; i < m_pos && i < m_text.size(); ++i) {
            if (m_text[i] == '\n') { ++line; column = 1; } else ++column;
        }
        m_error = "JSON line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + what;
        return false;
    }

    void skipSpace()
    {
        while (m_pos < m_text.size() && (m_text[m_pos] == ' ' || m_text[m_pos] == '\t' ||
                                         m_text[m_pos] == '\n' || m_text[m_pos] == '\r'))
            ++m_pos;
    }

    bool literal(std::string_view word)
    {
        if (m_text.substr(m_pos, word.size()) != word) return fail("unknown word");
        m_pos += word.size();
        return true;
    }

    bool value(JsonValue& out, int depth)
    {
        if (depth > MaxDepth) return fail("nested too deeply");
        skipSpace();
        if (m_pos >= m_text.size()) return fail("the text ends where a value was expected");
        char c = m_text[m_pos];
        if (c == '{') return object(out, depth);
        if (c == '[') return array(out, depth);
        if (c == '"') { out.kind = JsonValue::Kind::String; return string(out.string); }
        if (c == 't') { out.kind = JsonValue::Kind::Bool; out.boolean = true; return literal("true"); }
        if (c == 'f') { out.kind = JsonValue::Kind::Bool; out.boolean = false; return literal("false"); }
        if (c == 'n') { out.kind = JsonValue::Kind::Null; return literal("null"); }
        if (c == '-' || std::isdigit(static_cast<unsigned char>(c))) return number(out);
        return fail(std::string("unexpected character '") + c + "'");
    }

    bool number(JsonValue& out)
    {
        size_t start = m_pos;
        if (m_text[m_pos] == '-') ++m_pos;
        auto digits = [&] {
            size_t s = m_pos;
            while (m_pos < m_text.size() && std::isdigit(static_cast<unsigned char>(m_text[m_pos]))) ++m_pos;
            return m_pos > s;
        };
        if (!digits()) return fail("a number needs digits");
        if (m_pos < m_text.size() && m_text[m_pos] == '.') { ++m_pos; if (!digits()) return fail("digits must follow '.'"); }
        if (m_pos < m_text.size() && (m_text[m_pos] == 'e' || m_text[m_pos] == 'E')) {
            ++m_pos;
            if (m_pos < m_text.size() && (m_text[m_pos] == '+' || m_text[m_pos] == '-')) ++m_pos;
            if (!digits()) return fail("digits must follow the exponent");
        }
        std::string s(m_text.substr(start, m_pos - start));
        out.kind = JsonValue::Kind::Number;
        out.number = std::strtod(s.c_str(), nullptr);
        return true;
    }

    static void appendUtf8(std::string& s, unsigned cp)
    {
        if (cp < 0x80) s += char(cp);
        else if (cp < 0x800) { s += char(0xC0 | (cp >> 6)); s += char(0x80 | (cp & 0x3F)); }
        else { s += char(0xE0 | (cp >> 12)); s += char(0x80 | ((cp >> 6) & 0x3F)); s += char(0x80 | (cp & 0x3F)); }
    }

    bool string(std::string& out)
    {
        ++m_pos;  // opening quote
        while (m_pos < m_text.size()) {
            char c = m_text[m_pos++];
            if (c == '"') return true;
            if (static_cast<unsigned char>(c) < 0x20) return fail("control character inside a string");
            if (c != '\\') { out += c; continue; }
            if (m_pos >= m_text.size()) break;
            char e = m_text[m_pos++];
            switch (e) {
            case '"': case '\\': case '/': out += e; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'u': {
                if (m_pos + 4 > m_text.size()) return fail("short \\u escape");
                unsigned cp = 0;
                auto r = std::from_chars(m_text.data() + m_pos, m_text.data() + m_pos + 4, cp, 16);
                if (r.ptr != m_text.data() + m_pos + 4) return fail("bad \\u escape");
                m_pos += 4;
                appendUtf8(out, cp);
                break;
            }
            default: return fail("unknown escape");
            }
        }
        return fail("the text ends inside a string");
    }

    bool array(JsonValue& out, int depth)
    {
        out.kind = JsonValue::Kind::Array;
        ++m_pos;
        skipSpace();
        if (m_pos < m_text.size() && m_text[m_pos] == ']') { ++m_pos; return true; }
        for (;;) {
            out.array.emplace_back();
            if (!value(out.array.back(), depth + 1)) return false;
            skipSpace();
            if (m_pos >= m_text.size()) return fail("the text ends inside a list");
            char c = m_text[m_pos++];
            if (c == ']') return true;
            if (c != ',') { --m_pos; return fail("expected ',' or ']'"); }
        }
    }

    bool object(JsonValue& out, int depth)
    {
        out.kind = JsonValue::Kind::Object;
        ++m_pos;
        skipSpace();
        if (m_pos < m_text.size() && m_text[m_pos] == '}') { ++m_pos; return true; }
        for (;;) {
            skipSpace();
            if (m_pos >= m_text.size() || m_text[m_pos] != '"') return fail("expected a quoted key");
            std::string key;
            if (!string(key)) return false;
            skipSpace();
            if (m_pos >= m_text.size() || m_text[m_pos] != ':') return fail("expected ':'");
            ++m_pos;
            JsonValue v;
            if (!value(v, depth + 1)) return false;
            out.object[key] = std::move(v);
            skipSpace();
            if (m_pos >= m_text.size()) return fail("the text ends inside an object");
            char c = m_text[m_pos++];
            if (c == '}') return true;
            if (c != ',') { --m_pos; return fail("expected ',' or '}'"); }
        }
    }

    std::string_view m_text;
    size_t m_pos = 0;
    std::string m_error;
};

} // namespace

Result<JsonValue> parseJson(std::string_view text)
{
    return Parser(text).document();
}

} // namespace salon::tools
