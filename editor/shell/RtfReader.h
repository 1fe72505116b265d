#pragma once
// A small reader for the rich text (RTF) of the help pages, to a neutral rich-text model that a view
// renders (the Qt help window turns it into HTML for a QTextDocument).
//
// What it understands: groups, paragraphs (\par, \pard, \line, \tab), bold / italic / underline,
// font sizes (\fs, half points), colours (\colortbl with \cf), paragraph alignment (\ql \qc \qr \qj),
// 8-bit characters as \'hh in the document's code page (\ansicpg 1250 or 1252), \uN with its \ucN
// fallback count, the usual escapes and named punctuation. Destinations it does not show (font
// table, style sheet, info, pictures, \* groups) are skipped whole. Raw bytes above 127 are read as
// UTF-8 when they form valid UTF-8, else in the code page, so readable UTF-8 sources work too.
// Malformed input (unbalanced braces, absurd numbers, deep nesting) gives a best-effort model, never
// a crash.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace salon {

enum class RichAlign { Left, Centre, Right, Justify };

struct RichRun {
    std::string text;  // UTF-8; '\n' a line break inside the paragraph, '\t' a tab
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int32_t halfPoints = 24;          // \fs, 12 pt by default
    std::optional<uint32_t> colour;   // packed red + 256 green + 65536 blue; none = the text colour

    bool sameLook(const RichRun& o) const
    {
        return bold == o.bold && italic == o.italic && underline == o.underline && halfPoints == o.halfPoints &&
               colour == o.colour;
    }
};

struct RichParagraph {
    RichAlign align = RichAlign::Left;
    std::vector<RichRun> runs;
};

struct RichText {
    std::vector<RichParagraph> paragraphs;

    std::string plainText() const;  // paragraphs joined with '\n'
    bool empty() const;
    // Select all, set the paragraph alignment, clear the selection.
    void align(RichAlign a)
    {
        for (RichParagraph& p : paragraphs) p.align = a;
    }
};

RichText readRtf(std::string_view rtf);

// HTML for a rich-text view: one <p> a paragraph with its alignment, <b>/<i>/<u> and a styled <span>
// for size and colour; text escaped.
std::string richTextToHtml(const RichText& text);

// An RTF source written in UTF-8 made 7-bit: every character above 127 becomes \uN? (the '?' the
// fallback for readers without Unicode); ASCII, control words included, is left as it is.
std::string rtfEscapeUtf8(std::string_view utf8);

} // namespace salon
