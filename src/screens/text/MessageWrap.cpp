#include "screens/text/MessageWrap.h"

#include <algorithm>
#include <vector>

namespace ttt {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// How many bytes of the run's first whole characters fit the width: at least one character.
// `ends` are the run's cluster ends. More characters are never narrower, so it is halved.
std::size_t fittingBytes(std::string_view run, const std::vector<std::size_t>& ends, int width,
                         const MeasureText& measure) {
  std::size_t low = 0;
  std::size_t high = ends.size() - 1;
  while (low < high) {
    const std::size_t middle = (low + high + 1) / 2;
    if (measure(run.substr(0, ends[middle])) <= width) {
      low = middle;
    } else {
      high = middle - 1;
    }
  }
  return ends[low];
}

void appendBroken(std::string_view run, int width, const MeasureText& measure,
                  const GraphemeBoundaries& clusters, std::string_view lineBreak,
                  std::string& out) {
  while (!run.empty()) {
    if (measure(run) <= width) {
      out.append(run);
      return;
    }
    const std::size_t line = fittingBytes(run, clusters.ends(run), width, measure);
    out.append(run.substr(0, line));
    if (line < run.size()) out.append(lineBreak);
    run.remove_prefix(line);
  }
}

}  // namespace

int widestMessageLine(int workAreaWidth) { return std::max(1, workAreaWidth / 2); }

std::string withNewlines(std::string_view text) {
  std::string written;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const bool crlf = text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n';
    written += text[at] == '\r' ? '\n' : text[at];
    if (crlf) ++at;
  }
  return written;
}

std::string breakLongRuns(std::string_view text, int width, const MeasureText& measure,
                          const GraphemeBoundaries& clusters, std::string_view lineBreak) {
  std::string broken;
  for (std::size_t at = 0; at < text.size();) {
    if (isBlank(text[at])) {
      broken += text[at++];
      continue;
    }
    std::size_t runEnd = at;
    while (runEnd < text.size() && !isBlank(text[runEnd])) ++runEnd;
    appendBroken(text.substr(at, runEnd - at), width, measure, clusters, lineBreak, broken);
    at = runEnd;
  }
  return broken;
}

}  // namespace ttt
