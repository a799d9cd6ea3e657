#include "qt/system/QtGraphemes.h"

#include <QString>
#include <QTextBoundaryFinder>

namespace ttt {

// Qt finds the boundaries in UTF-16; each cluster's length in bytes is that of its UTF-8.
std::vector<std::size_t> QtGraphemes::validEnds(std::string_view validUtf8) const {
  const QString text =
      QString::fromUtf8(validUtf8.data(), static_cast<qsizetype>(validUtf8.size()));
  QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
  std::vector<std::size_t> ends;
  std::size_t bytes = 0;
  for (qsizetype start = 0, end = finder.toNextBoundary(); end > 0;
       start = end, end = finder.toNextBoundary()) {
    bytes += static_cast<std::size_t>(QStringView(text).mid(start, end - start).toUtf8().size());
    ends.push_back(bytes);
  }
  return ends;
}

}  // namespace ttt
