#include "win32/dialogs/UniscribeGraphemes.h"

#include "win32/system/WinApi.h"
#include <usp10.h>

#include <string>

#include "win32/system/WideText.h"

namespace ttt {

namespace {

// The UTF-8 offset of every UTF-16 unit of `wide`, and of its end.
std::vector<std::size_t> utf8Offsets(const std::wstring& wide) {
  std::vector<std::size_t> offsets;
  std::size_t bytes = 0;
  for (std::size_t i = 0; i < wide.size(); ++i) {
    offsets.push_back(bytes);
    const auto unit = static_cast<unsigned>(wide[i]);
    if (isHighSurrogate(wide[i]) && i + 1 < wide.size()) {
      offsets.push_back(bytes);
      ++i;
      bytes += 4;
    } else {
      bytes += unit < 0x80 ? 1 : unit < 0x800 ? 2 : 3;
    }
  }
  offsets.push_back(bytes);
  return offsets;
}

// Where Uniscribe lets the cursor stop, item by item; every unit where it cannot tell.
std::vector<bool> charStops(const std::wstring& wide) {
  std::vector<bool> stops(wide.size(), true);
  const int length = static_cast<int>(wide.size());
  std::vector<SCRIPT_ITEM> items(wide.size() + 1);
  int count = 0;
  if (FAILED(ScriptItemize(wide.data(), length, static_cast<int>(items.size()), nullptr, nullptr,
                           items.data(), &count)))
    return stops;
  std::vector<SCRIPT_LOGATTR> attributes(wide.size());
  for (int item = 0; item < count; ++item) {
    const int start = items[static_cast<std::size_t>(item)].iCharPos;
    const int end = items[static_cast<std::size_t>(item) + 1].iCharPos;
    if (FAILED(ScriptBreak(wide.data() + start, end - start,
                           &items[static_cast<std::size_t>(item)].a, attributes.data() + start)))
      continue;
    for (int i = start; i < end; ++i)
      stops[static_cast<std::size_t>(i)] = attributes[static_cast<std::size_t>(i)].fCharStop != 0;
  }
  return stops;
}

}  // namespace

std::vector<std::size_t> UniscribeGraphemes::validEnds(std::string_view validUtf8) const {
  const std::wstring wide = toWide(std::string(validUtf8));
  const std::vector<std::size_t> offsets = utf8Offsets(wide);
  const std::vector<bool> stops = charStops(wide);
  std::vector<std::size_t> ends;
  for (std::size_t i = 1; i < wide.size(); ++i) {
    // A cluster never ends inside a surrogate pair, whatever the stops say.
    if (stops[i] && offsets[i] != offsets[i - 1]) ends.push_back(offsets[i]);
  }
  ends.push_back(offsets.back());
  return ends;
}

}  // namespace ttt
