#include "editor/shell/RtfReader.h"

#include <algorithm>
#include <cstdio>

namespace salon {
namespace {

// Code points of bytes 0x80..0xFF; 0 where the code page leaves the byte undefined.
constexpr uint16_t Cp1250[128] = {
    0x20AC, 0,      0x201A, 0,      0x201E, 0x2026, 0x2020, 0x2021, 0,      0x2030, 0x0160, 0x2039, 0x015A,
    0x0164, 0x017D, 0x0179, 0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0,      0x2122,
    0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6,
    0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, 0x00B0, 0x00B1, 0x02DB, 0x0142,
    0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, 0x0154,
    0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD,
    0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA,
    0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, 0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4,
    0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9};

// 0x80..0x9F of code page 1252; 0xA0..0xFF are Latin-1.
constexpr uint16_t Cp1252Low[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void appendUtf8(std::string& out, uint32_t cp)
{
    if (cp == 0 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

uint32_t fromCodePage(uint8_t byte, int32_t codePage)
{
    if (byte < 0x80) return byte;
    if (codePage == 1250) return Cp1250[byte - 0x80] ? Cp1250[byte - 0x80] : 0xFFFD;
    if (byte < 0xA0) return Cp1252Low[byte - 0x80] ? Cp1252Low[byte - 0x80] : 0xFFFD;
    return byte;
}

// Length of a valid UTF-8 sequence starting at s[i] (2..4), or 0.
size_t utf8Length(std::string_view s, size_t i, uint32_t& cp)
{
    const uint8_t c = uint8_t(s[i]);
    size_t n = c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 && c < 0xE0 ? 2 : 0;
    if (n == 0 || c >= 0xF5 || i + n > s.size()) return 0;
    cp = c & (n == 2 ? 0x1F : n == 3 ? 0x0F : 0x07);
    for (size_t k = 1; k < n; ++k) {
        const uint8_t d = uint8_t(s[i + k]);
        if ((d & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (d & 0x3F);
    }
    if ((n == 3 && cp < 0x800) || (n == 4 && cp < 0x10000) || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}

struct GroupState {
    bool bold = false, italic = false, underline = false;
    int32_t halfPoints = 24;
    int32_t colourIndex = 0;
    RichAlign align = RichAlign::Left;
    int32_t uc = 1;
    bool skip = false;       // a destination that is not shown
    bool colourTable = false;
};

class Parser {
public:
    explicit Parser(std::string_view s) : m_s(s) {}

    RichText run()
    {
        m_doc.paragraphs.emplace_back();
        while (m_i < m_s.size()) {
            const char c = m_s[m_i];
            if (c == '{') {
                ++m_i;
                m_stack.push_back(m_st);
                m_groupStart = true;
                continue;
            }
            if (c == '}') {
                ++m_i;
                if (m_st.colourTable && !m_colourPending.empty()) finishColour();
                if (!m_stack.empty()) {
                    m_st = m_stack.back();
                    m_stack.pop_back();
                }
                m_groupStart = false;
                continue;
            }
            if (c == '\\') {
                controlWord();
                m_groupStart = false;
                continue;
            }
            m_groupStart = false;
            if (c == '\r' || c == '\n') {  // line ends of the source are not text
                ++m_i;
                continue;
            }
            if (m_st.colourTable) {
                if (c == ';') finishColour();
                ++m_i;
                continue;
            }
            const uint8_t b = uint8_t(c);
            if (b >= 0x80) {
                uint32_t cp = 0;
                const size_t n = utf8Length(m_s, m_i, cp);
                if (n) {
                    m_i += n;
                    character(cp);
                    continue;
                }
                ++m_i;
                character(fromCodePage(b, m_codePage));
                continue;
            }
            ++m_i;
            character(b);
        }
        // Drop a trailing empty paragraph left by a final \par.
        if (m_doc.paragraphs.size() > 1 && m_doc.paragraphs.back().runs.empty()) m_doc.paragraphs.pop_back();
        return std::move(m_doc);
    }

private:
    void character(uint32_t cp)
    {
        if (m_pendingSkip > 0) {
            --m_pendingSkip;
            return;
        }
        if (m_st.skip) return;
        std::string t;
        appendUtf8(t, cp);
        appendText(t);
    }

    void appendText(const std::string& t)
    {
        if (m_st.skip || t.empty()) return;
        RichParagraph& p = m_doc.paragraphs.back();
        p.align = m_st.align;
        RichRun look;
        look.bold = m_st.bold;
        look.italic = m_st.italic;
        look.underline = m_st.underline;
        look.halfPoints = m_st.halfPoints;
        if (m_st.colourIndex > 0 && size_t(m_st.colourIndex) < m_colours.size())
            look.colour = m_colours[size_t(m_st.colourIndex)];
        if (p.runs.empty() || !p.runs.back().sameLook(look)) {
            look.text = t;
            p.runs.push_back(std::move(look));
        } else {
            p.runs.back().text += t;
        }
    }

    void newParagraph()
    {
        if (m_st.skip) return;
        if (m_doc.paragraphs.back().runs.empty()) m_doc.paragraphs.back().align = m_st.align;
        m_doc.paragraphs.emplace_back();
        m_doc.paragraphs.back().align = m_st.align;
    }

    void finishColour()
    {
        uint32_t packed = 0;
        for (auto& [k, v] : m_colourPending) {
            const uint32_t c = uint32_t(std::clamp(v, 0, 255));
            if (k == 'r') packed |= c;
            if (k == 'g') packed |= c << 8;
            if (k == 'b') packed |= c << 16;
        }
        m_colours.push_back(packed);
        m_colourPending.clear();
    }

    static bool isAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

    void controlWord()
    {
        ++m_i;  // the backslash
        if (m_i >= m_s.size()) return;
        const char c = m_s[m_i];
        if (!isAlpha(c)) {
            ++m_i;
            switch (c) {
            case '\\':
            case '{':
            case '}': character(uint8_t(c)); break;
            case '~': character(0xA0); break;
            case '_': character(0x2011); break;
            case '-': break;  // optional hyphen
            case '*': m_st.skip = true; break;
            case '\'': {
                int v = -1;
                if (m_i + 2 <= m_s.size()) {
                    unsigned x = 0;
                    if (std::sscanf(std::string(m_s.substr(m_i, 2)).c_str(), "%2x", &x) == 1) v = int(x);
                }
                if (v < 0) return;
                m_i += 2;
                if (m_st.colourTable) return;
                character(fromCodePage(uint8_t(v), m_codePage));
                break;
            }
            case '\r':
            case '\n': newParagraph(); break;  // "\<newline>" is \par
            default: break;
            }
            return;
        }
        const size_t start = m_i;
        while (m_i < m_s.size() && isAlpha(m_s[m_i]) && m_i - start < 32) ++m_i;
        const std::string_view word = m_s.substr(start, m_i - start);
        bool hasParam = false;
        bool negative = false;
        int64_t param = 0;
        if (m_i < m_s.size() && m_s[m_i] == '-') {
            negative = true;
            ++m_i;
        }
        while (m_i < m_s.size() && m_s[m_i] >= '0' && m_s[m_i] <= '9') {
            hasParam = true;
            if (param < 100000000) param = param * 10 + (m_s[m_i] - '0');
            ++m_i;
        }
        if (negative) param = -param;
        if (m_i < m_s.size() && m_s[m_i] == ' ') ++m_i;  // the delimiter belongs to the word
        apply(word, hasParam, int32_t(std::clamp<int64_t>(param, INT32_MIN, INT32_MAX)));
    }

    void apply(std::string_view w, bool hasParam, int32_t n)
    {
        const bool on = !hasParam || n != 0;
        if (m_groupStart) {
            static constexpr std::string_view hidden[] = {
                "fonttbl", "stylesheet", "info",      "pict",   "header",   "footer",   "headerl",
                "headerr", "footerl",    "footerr",   "object", "listtable", "listoverridetable",
                "rsidtbl", "generator",  "xmlnstbl",  "fldinst", "themedata", "colorschememapping",
                "latentstyles", "datastore", "filetbl", "revtbl", "mmathPr", "author", "operator"};
            for (std::string_view h : hidden)
                if (w == h) {
                    m_st.skip = true;
                    return;
                }
            if (w == "colortbl") {
                m_st.colourTable = true;
                m_st.skip = true;
                m_colours.clear();
                return;
            }
        }
        if (m_st.colourTable) {
            if (w == "red") m_colourPending.emplace_back('r', n);
            if (w == "green") m_colourPending.emplace_back('g', n);
            if (w == "blue") m_colourPending.emplace_back('b', n);
            return;
        }
        if (w == "ansicpg") {
            m_codePage = n;
        } else if (w == "par") {
            newParagraph();
        } else if (w == "line") {
            appendText("\n");
        } else if (w == "tab") {
            appendText("\t");
        } else if (w == "b") {
            m_st.bold = on;
        } else if (w == "i") {
            m_st.italic = on;
        } else if (w == "ul") {
            m_st.underline = on;
        } else if (w == "ulnone") {
            m_st.underline = false;
        } else if (w == "fs") {
            m_st.halfPoints = hasParam ? std::clamp(n, 2, 400) : 24;
        } else if (w == "cf") {
            m_st.colourIndex = std::max(0, n);
        } else if (w == "plain") {
            const GroupState keep = m_st;
            m_st = GroupState{};
            m_st.align = keep.align;
            m_st.uc = keep.uc;
            m_st.skip = keep.skip;
        } else if (w == "pard") {
            m_st.align = RichAlign::Left;
        } else if (w == "ql") {
            m_st.align = RichAlign::Left;
        } else if (w == "qc") {
            m_st.align = RichAlign::Centre;
        } else if (w == "qr") {
            m_st.align = RichAlign::Right;
        } else if (w == "qj") {
            m_st.align = RichAlign::Justify;
        } else if (w == "uc") {
            m_st.uc = std::clamp(n, 0, 10);
        } else if (w == "u") {
            uint32_t cp = uint32_t(n < 0 ? n + 65536 : n) & 0xFFFF;
            m_pendingSkip = 0;
            if (!m_st.skip) {
                std::string t;
                appendUtf8(t, cp);
                appendText(t);
            }
            m_pendingSkip = m_st.uc;
        } else if (w == "emdash") {
            character(0x2014);
        } else if (w == "endash") {
            character(0x2013);
        } else if (w == "bullet") {
            character(0x2022);
        } else if (w == "lquote") {
            character(0x2018);
        } else if (w == "rquote") {
            character(0x2019);
        } else if (w == "ldblquote") {
            character(0x201C);
        } else if (w == "rdblquote") {
            character(0x201D);
        }
    }

    std::string_view m_s;
    size_t m_i = 0;
    RichText m_doc;
    GroupState m_st;
    std::vector<GroupState> m_stack;
    bool m_groupStart = false;
    int32_t m_codePage = 1252;
    int32_t m_pendingSkip = 0;
    std::vector<uint32_t> m_colours;
    std::vector<std::pair<char, int32_t>> m_colourPending;
};

void escapeHtml(std::string& out, std::string_view t)
{
    for (char c : t) {
        switch (c) {
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '&': out += "&amp;"; break;
        case '"': out += "&quot;"; break;
        case '\n': out += "<br/>"; break;
        case '\t': out += "&nbsp;&nbsp;&nbsp;&nbsp;"; break;
        default: out += c;
        }
    }
}

} // namespace

std::string RichText::plainText() const
{
    std::string out;
    for (size_t i = 0; i < paragraphs.size(); ++i) {
        if (i) out += '\n';
        for (const RichRun& r : paragraphs[i].runs) out += r.text;
    }
    return out;
}

bool RichText::empty() const
{
    for (const RichParagraph& p : paragraphs)
        for (const RichRun& r : p.runs)
            if (!r.text.empty()) return false;
    return true;
}

RichText readRtf(std::string_view rtf)
{
    return Parser(rtf).run();
}

std::string richTextToHtml(const RichText& text)
{
    std::string out = "<html><body>";
    for (const RichParagraph& p : text.paragraphs) {
        const char* align = p.align == RichAlign::Centre  ? "center"
                            : p.align == RichAlign::Right ? "right"
                            : p.align == RichAlign::Justify ? "justify"
                                                            : "left";
        out += "<p align=\"";
        out += align;
        out += "\" style=\"margin-top:0; margin-bottom:4px\">";
        if (p.runs.empty()) out += "&nbsp;";
        for (const RichRun& r : p.runs) {
            char style[96];
            std::snprintf(style, sizeof style, "font-size:%gpt;", r.halfPoints / 2.0);
            std::string css = style;
            if (r.colour) {
                char col[32];
                std::snprintf(col, sizeof col, " color:#%02x%02x%02x;", unsigned(*r.colour & 0xFF),
                              unsigned((*r.colour >> 8) & 0xFF), unsigned((*r.colour >> 16) & 0xFF));
                css += col;
            }
            out += "<span style=\"" + css + "\">";
            if (r.bold) out += "<b>";
            if (r.italic) out += "<i>";
            if (r.underline) out += "<u>";
            escapeHtml(out, r.text);
            if (r.underline) out += "</u>";
            if (r.italic) out += "</i>";
            if (r.bold) out += "</b>";
            out += "</span>";
        }
        out += "</p>";
    }
    return out + "</body></html>";
}

std::string rtfEscapeUtf8(std::string_view s)
{
    std::string out;
    for (size_t i = 0; i < s.size();) {
        const uint8_t c = uint8_t(s[i]);
        if (c < 0x80) {
            out += char(c);
            ++i;
            continue;
        }
        uint32_t cp = 0;
        const size_t n = utf8Length(s, i, cp);
        if (!n) {
            out += "\\'";
            char hex[4];
            std::snprintf(hex, sizeof hex, "%02x", unsigned(c));
            out += hex;
            ++i;
            continue;
        }
        i += n;
        if (cp > 0xFFFF) cp = 0xFFFD;
        const int32_t signedCp = cp > 32767 ? int32_t(cp) - 65536 : int32_t(cp);
        out += "\\u" + std::to_string(signedCp) + "?";
    }
    return out;
}

} // namespace salon
