#pragma once

#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace brisanel::details {

/// Lines of text kept end to end in one buffer, read back as string views: a table of 1800 lines
/// costs a few allocations instead of one per line.
class TextLines {
public:
    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = std::string_view;

        const_iterator() = default;
        std::string_view operator*() const { return (*lines_)[index_]; }
        const_iterator& operator++() {
            ++index_;
            return *this;
        }
        const_iterator operator++(int) {
            const_iterator before = *this;
            ++index_;
            return before;
        }
        bool operator==(const const_iterator& other) const { return index_ == other.index_; }

    private:
        friend class TextLines;
        const_iterator(const TextLines* lines, std::size_t index) : lines_(lines), index_(index) {}
        const TextLines* lines_ = nullptr;
        std::size_t index_ = 0;
    };
    using iterator = const_iterator;
    using value_type = std::string_view;
    using size_type = std::size_t;

    TextLines() = default;
    TextLines(std::initializer_list<std::string_view> lines) {
        for (std::string_view line : lines) push_back(line);
    }

    std::size_t size() const { return ends_.size(); }
    bool empty() const { return ends_.empty(); }
    std::string_view operator[](std::size_t index) const {
        const std::size_t start = index == 0 ? 0 : ends_[index - 1];
        return std::string_view(text_).substr(start, ends_[index] - start);
    }
    std::string_view front() const { return (*this)[0]; }
    std::string_view back() const { return (*this)[size() - 1]; }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

    /// Room for `lines` more lines of about `lineLength` characters each.
    void reserve(std::size_t lines, std::size_t lineLength) {
        ends_.reserve(ends_.size() + lines);
        text_.reserve(text_.size() + lines * lineLength);
    }

    void push_back(std::string_view line) {
        text_ += line;
        ends_.push_back(text_.size());
    }

    /// Adds the line that `write` appends to the string it is handed.
    template <typename Write>
    void addLine(Write&& write) {
        write(text_);
        ends_.push_back(text_.size());
    }

    friend bool operator==(const TextLines&, const TextLines&) = default;

private:
    std::string text_;               // every line, one after another
    std::vector<std::size_t> ends_;  // where each line ends in text_
};

}  // namespace brisanel::details
