#include "utimerCTL/PropertyBag.h"

#include <algorithm>
#include <cctype>

namespace utimerctl {

namespace {

bool sameName(std::string_view a, std::string_view b) {
  return std::ranges::equal(
      a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

} // namespace

std::vector<std::string> PropertyBag::keys() const {
  std::vector<std::string> names;
  for (const auto& entry : entries_) {
    names.push_back(entry.first);
  }
  return names;
}

std::size_t PropertyBag::indexOf(std::string_view key) const {
  const auto it =
      std::ranges::find_if(entries_, [key](const auto& entry) { return sameName(entry.first, key); });
  return static_cast<std::size_t>(it - entries_.begin());
}

const PropertyValue* PropertyBag::find(std::string_view key) const {
  const std::size_t index = indexOf(key);
  return index < entries_.size() ? &entries_[index].second : nullptr;
}

void PropertyBag::put(std::string_view key, PropertyValue value) {
  const std::size_t index = indexOf(key);
  if (index < entries_.size()) {
    entries_[index].second = value;
  } else {
    entries_.emplace_back(std::string(key), value);
  }
}

void PropertyBag::erase(std::string_view key) {
  std::erase_if(entries_, [key](const auto& entry) { return sameName(entry.first, key); });
}

} // namespace utimerctl
