#pragma once
// A control instance's saved properties. A value equal to its default is not stored, so the saved
// form only holds what the designer actually changed; names are matched without regard to case.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace utimerctl {

using PropertyValue = std::variant<std::int32_t, std::int16_t, bool>;

class PropertyBag {
public:
  template <class T> T read(std::string_view key, T fallback) const {
    const PropertyValue* value = find(key);
    return value ? std::visit([](auto stored) { return static_cast<T>(stored); }, *value) : fallback;
  }

  template <class T> void write(std::string_view key, T value, T fallback) {
    if (value == fallback) {
      erase(key);
    } else {
      put(key, PropertyValue(value));
    }
  }

  // Stored names in the order they were first written.
  std::vector<std::string> keys() const;

private:
  std::size_t indexOf(std::string_view key) const; // size() when absent
  const PropertyValue* find(std::string_view key) const;
  void put(std::string_view key, PropertyValue value);
  void erase(std::string_view key);

  std::vector<std::pair<std::string, PropertyValue>> entries_;
};

} // namespace utimerctl
