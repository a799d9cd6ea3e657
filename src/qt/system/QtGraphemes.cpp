#include "qt/system/QtGraphemes.h"

#include <QString>
#include <QTextBoundaryFinder>

namespace ttt {

// Qt finds the boundaries in UTF-16; each is mapped back to a byte offset by counting the
// UTF-8 bytes of the code points before it.
std::vector<std::size_t> QtGraphemes::validEnds(std::string_view validUtf8) const {
  const QString text = QString::fromUtf8(validUtf8.data(), static_cast<qsizetype>(validUtf8.size()));
  QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
  std::vector<std::size_t> ends;
  std::size_t bytes = 0;
  qsizetype unit = 0;
  for (qsizetype boundary = finder.toNextBoundary(); boundary > 0; boundary = finder.toNextBoundary()) {
    for (; unit < boundary; ++unit) {
      const char32_t code = text.at(unit).unicode();
      if (QChar::isHighSurrogate(code)) {
        bytes += 4;
        ++unit;
      } else {
        bytes += code < 0x80 ? 1 : code < 0x800 ? 2 : 3;
      }
    }
    ends.push_back(bytes);
  }
  return ends;
}

}  // namespace ttt
