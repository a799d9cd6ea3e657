#include "fltk/TextWrap.h"

#include <map>
#include <vector>

#include "fltk/PangoGraphemes.h"
#include "fltk/ShapedText.h"

namespace ttt {

namespace {

constexpr const char* kEllipsis = "\xE2\x80\xA6";

// Widths in one font, shaped; a character's width is measured once.
class Widths {
 public:
  Widths(const FontSpec& font, int pixelSize) : font_(font), pixelSize_(pixelSize) {}
  int of(const std::string& text) const {
    return text.empty() ? 0 : shaped_text::measure(text, font_, pixelSize_).width;
  }
  int ofCharacter(const std::string& character) {
    const auto known = characters_.find(character);
    if (known != characters_.end()) return known->second;
    return characters_[character] = of(character);
  }

 private:
  FontSpec font_;
  int pixelSize_;
  std::map<std::string, int> characters_;
};

// Where a line may break: the last blank that follows some other character.
std::size_t lastBreakingBlank(const std::string& line) {
  const std::size_t content = line.find_first_not_of(' ');
  if (content == std::string::npos) return std::string::npos;
  const std::size_t blank = line.find_last_of(' ');
  return blank != std::string::npos && blank > content ? blank : std::string::npos;
}

// Appends the lines of one paragraph (text without line breaks) to `lines`, stopping once
// they are more than `maxLines`.
void wrapParagraph(const std::string& paragraph, int maxWidth, std::size_t maxLines, Widths& widths,
                   std::vector<std::string>& lines) {
  if (lines.size() > maxLines) return;
  std::string line;
  int width = 0;
  std::size_t at = 0;
  for (const std::size_t end : PangoGraphemes().ends(paragraph)) {
    if (lines.size() > maxLines) return;
    const std::string character = paragraph.substr(at, end - at);
    at = end;
    const int characterWidth = widths.ofCharacter(character);
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
      width = widths.of(line);
    }
    line += character;
    width += characterWidth;
  }
  lines.push_back(line);
}

// Cuts the lines to `maxLines`, the last one kept shortened to end in an ellipsis.
void cutToLines(std::vector<std::string>& lines, std::size_t maxLines, int maxWidth,
                const Widths& widths) {
  if (lines.size() <= maxLines || maxLines == 0) return;
  lines.resize(maxLines);
  std::string& last = lines.back();
  const int room = maxWidth - widths.of(kEllipsis);
  while (!last.empty() && widths.of(last) > room) {
    const std::vector<std::size_t> ends = PangoGraphemes().ends(last);
    last.erase(ends.size() > 1 ? ends[ends.size() - 2] : 0);
  }
  last += kEllipsis;
}

}  // namespace

std::string wrapToWidth(const std::string& text, int maxWidth, std::size_t maxLines,
                        const FontSpec& font, int pixelSize) {
  Widths widths(font, pixelSize);
  std::vector<std::string> lines;
  std::string paragraph;
  for (const char c : text) {
    if (c == '\r') continue;
    if (c != '\n') {
      paragraph += c;
      continue;
    }
    wrapParagraph(paragraph, maxWidth, maxLines, widths, lines);
    paragraph.clear();
  }
  wrapParagraph(paragraph, maxWidth, maxLines, widths, lines);
  cutToLines(lines, maxLines, maxWidth, widths);
  std::string wrapped;
  for (std::size_t i = 0; i < lines.size(); ++i) wrapped += (i == 0 ? "" : "\n") + lines[i];
  return wrapped;
}

}  // namespace ttt
