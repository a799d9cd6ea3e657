#include "fltk/TextWrap.h"

#include <FL/fl_draw.H>
#include <FL/fl_utf8.h>

#include <vector>

namespace ttt {

namespace {

constexpr const char* kEllipsis = "\xE2\x80\xA6";

// The number of bytes of the UTF-8 character at `at`; a stray byte counts as one.
std::size_t characterLength(const std::string& text, std::size_t at) {
  int length = 0;
  fl_utf8decode(text.data() + at, text.data() + text.size(), &length);
  return length > 0 ? static_cast<std::size_t>(length) : 1;
}

double widthOf(const std::string& text) {
  return text.empty() ? 0.0 : fl_width(text.data(), static_cast<int>(text.size()));
}

// Where a line may break: the last blank that follows some other character.
std::size_t lastBreakingBlank(const std::string& line) {
  const std::size_t content = line.find_first_not_of(' ');
  if (content == std::string::npos) return std::string::npos;
  const std::size_t blank = line.find_last_of(' ');
  return blank != std::string::npos && blank > content ? blank : std::string::npos;
}

// Appends the lines of one paragraph (text without line breaks) to `lines`.
void wrapParagraph(const std::string& paragraph, double maxWidth, std::vector<std::string>& lines) {
  std::string line;
  double width = 0;
  for (std::size_t at = 0; at < paragraph.size();) {
    const std::size_t length = characterLength(paragraph, at);
    const std::string character = paragraph.substr(at, length);
    at += length;
    const double characterWidth = widthOf(character);
    // A break at a blank may leave a rest that is still too wide for the character.
    while (width + characterWidth > maxWidth && !line.empty()) {
      const std::size_t blank = lastBreakingBlank(line);
      if (blank == std::string::npos) {
        lines.push_back(line);
        line.clear();
      } else {
        lines.push_back(line.substr(0, blank));
        line.erase(0, blank + 1);
      }
      width = widthOf(line);
    }
    line += character;
    width += characterWidth;
  }
  lines.push_back(line);
}

// Cuts the lines to `maxLines`, the last one kept shortened to end in an ellipsis.
void cutToLines(std::vector<std::string>& lines, std::size_t maxLines, double maxWidth) {
  if (lines.size() <= maxLines || maxLines == 0) return;
  lines.resize(maxLines);
  std::string& last = lines.back();
  const double room = maxWidth - widthOf(kEllipsis);
  while (!last.empty() && widthOf(last) > room) {
    std::size_t start = last.size() - 1;
    while (start > 0 && (static_cast<unsigned char>(last[start]) & 0xC0) == 0x80) --start;
    last.erase(start);
  }
  last += kEllipsis;
}

}  // namespace

std::string wrapToWidth(const std::string& text, int maxWidth, std::size_t maxLines) {
  std::vector<std::string> lines;
  std::string paragraph;
  for (const char c : text) {
    if (c == '\r') continue;
    if (c != '\n') {
      paragraph += c;
      continue;
    }
    wrapParagraph(paragraph, maxWidth, lines);
    paragraph.clear();
  }
  wrapParagraph(paragraph, maxWidth, lines);
  cutToLines(lines, maxLines, maxWidth);
  std::string wrapped;
  for (std::size_t i = 0; i < lines.size(); ++i) wrapped += (i == 0 ? "" : "\n") + lines[i];
  return wrapped;
}

}  // namespace ttt
