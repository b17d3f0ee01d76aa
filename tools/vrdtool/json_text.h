#pragma once
// JSON text written as it goes, without building a tree: objects and arrays, keys, the report's
// bytes as strings (each byte the Unicode character of the same value, in UTF-8), numbers in the
// shortest form that reads back to the same double, true, false and null.

#include <cstdint>
#include <optional>
#include <ostream>
#include <string_view>
#include <type_traits>
#include <vector>

namespace vrd {

class JsonText {
  public:
    explicit JsonText(std::ostream& out) : out_(out) {}

    void BeginObject() { Open('{'); }
    void EndObject() { Close('}'); }
    void BeginArray() { Open('['); }
    void EndArray() { Close(']'); }
    void Key(std::string_view name); // then the member's value

    void String(std::string_view bytes);
    void Number(double value); // null when not finite
    void Integer(std::int64_t value);
    void Bool(bool value);
    void Null();
    template <typename Value> void Optional(const std::optional<Value>& value) {
        if (!value)
            Null();
        else if constexpr (std::is_same_v<Value, bool>)
            Bool(*value);
        else if constexpr (std::is_integral_v<Value>)
            Integer(*value);
        else
            Number(*value);
    }

  private:
    void Open(char bracket);
    void Close(char bracket);
    void BeforeValue();

    std::ostream& out_;
    std::vector<bool> empty_; // per open object or array: nothing written in it yet
    bool afterKey_ = false;
};

} // namespace vrd
