#include "fltk/XftDpi.h"

#include <X11/Xlib.h>
#include <X11/Xresource.h>

#include <charconv>
#include <cmath>

namespace ttt {

namespace {

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The value of "Xft.dpi" in the resource string the server holds, if any.
std::optional<std::string> xftDpiResource(Display* display) {
  const char* resources = display != nullptr ? XResourceManagerString(display) : nullptr;
  if (resources == nullptr) return std::nullopt;
  XrmInitialize();
  XrmDatabase database = XrmGetStringDatabase(resources);
  if (database == nullptr) return std::nullopt;
  char* type = nullptr;
  XrmValue value{};
  std::optional<std::string> found;
  if (XrmGetResource(database, "Xft.dpi", "Xft.Dpi", &type, &value) && value.addr != nullptr) {
    found = std::string(value.addr, value.size > 0 ? value.size - 1 : 0);
  }
  XrmDestroyDatabase(database);
  return found;
}

}  // namespace

std::optional<int> parseDpi(std::string_view text) {
  text = trimmed(text);
  double dpi = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), dpi);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(dpi)) {
    return std::nullopt;
  }
  if (dpi < kSmallestDpi - 0.5 || dpi >= kLargestDpi + 0.5) return std::nullopt;
  return static_cast<int>(std::lround(dpi));
}

XftDpi readXftDpi(Display* display) {
  const auto resource = xftDpiResource(display);
  if (!resource) return {};
  if (const auto dpi = parseDpi(*resource)) return {*dpi, ""};
  // Only the start of a long value is worth repeating.
  constexpr std::size_t kQuoted = 40;
  return {kDefaultDpi, "Xft.dpi \"" + resource->substr(0, kQuoted) +
                           "\" is not a number of dots per inch from " +
                           std::to_string(kSmallestDpi) + " to " + std::to_string(kLargestDpi) +
                           "; drawing at " + std::to_string(kDefaultDpi)};
}

}  // namespace ttt
