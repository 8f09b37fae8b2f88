#pragma once
// A message table of the plug-in: a fixed number of texts addressed by the message index.
// An entry that was never filled reads as "", so a message built from it is simply empty.

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace text {

// One filled entry of a table in one language.
struct TextEntry {
    std::size_t index;
    std::string_view text;
};

// Reports a read outside a table (a programming error: indices are fixed message numbers).
void logIndexOutsideTable(std::size_t index, std::size_t size);

template <std::size_t N>
class TextTable {
  public:
    constexpr TextTable() = default;

    // The text at `index`; "" for an entry never filled. An index outside the table also
    // reads as "" (and is logged) so that a wrong message number cannot crash a handler.
    const std::string& operator[](std::size_t index) const {
        static const std::string empty;
        if (index >= N) {
            logIndexOutsideTable(index, N);
            return empty;
        }
        return texts_[index];
    }

    static constexpr std::size_t size() { return N; }

    // Replaces the whole content by `entries`; entries not listed become "".
    void fill(std::span<const TextEntry> entries) {
        clear();
        for (const auto& e : entries) texts_.at(e.index) = e.text;
    }

    void set(std::size_t index, std::string text) { texts_.at(index) = std::move(text); }

    void clear() {
        for (auto& t : texts_) t.clear();
    }

  private:
    std::array<std::string, N> texts_{};
};

}  // namespace text
