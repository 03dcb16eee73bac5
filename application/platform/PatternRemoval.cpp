#include "platform/PatternRemoval.h"

#include <algorithm>
#include <vector>

namespace mirobanth::application {

namespace {

// border[k]: the length of the longest proper border (a prefix that is also a
// suffix) of text[0..k), for k from 0 to the text's length.
std::vector<std::size_t> borders(const std::string& text) {
    std::vector<std::size_t> border(text.size() + 1, 0);
    for (std::size_t k = 1, length = 0; k < text.size(); ++k) {
        while (length > 0 && text[k] != text[length]) length = border[length];
        if (text[k] == text[length]) ++length;
        border[k + 1] = length;
    }
    return border;
}

// The text is read left to right into `kept`, the matcher's state (how much
// of the pattern the kept text ends with) remembered after every character,
// so that cutting `kept` back restores the state too. When an occurrence is
// complete, its first character goes; what follows it, the pattern less its
// first character, goes back in front of the unread text. The next leftmost
// occurrence then starts at most one pattern length earlier: k characters
// back, where the kept text ends with the pattern's first k and the pattern
// shifted by k - 1 matches itself on the rest. The widest such k is known in
// advance for every state; without one, reading on finds the next occurrence.
class Remover {
public:
    explicit Remover(const std::string& pattern)
        : pattern(pattern), border(borders(pattern)), widestOverlap(pattern.size(), 0) {
        // Shifted by k - 1, the pattern matches itself on the rest exactly
        // when its tail pattern[1..] has a border of length m - k.
        const std::size_t m = pattern.size();
        const std::vector<std::size_t> tailBorder = borders(pattern.substr(1));
        std::vector<bool> overlaps(m, false);
        for (std::size_t length = m - 1; length > 0; length = tailBorder[length]) {
            overlaps[m - length] = true;
        }
        for (std::size_t state = 1; state < m; ++state) {
            widestOverlap[state] = overlaps[state] ? state : widestOverlap[border[state]];
        }
    }

    std::string run(const std::string& text) {
        unread.assign(text.rbegin(), text.rend());
        while (!unread.empty()) {
            const char next = unread.back();
            unread.pop_back();
            keep(next);
            if (stateOfKept() == pattern.size()) removeFirstOfOccurrence();
        }
        return kept;
    }

private:
    std::size_t stateOfKept() const { return states.empty() ? 0 : states.back(); }

    void keep(char c) {
        std::size_t state = stateOfKept();
        while (state > 0 && pattern[state] != c) state = border[state];
        if (pattern[state] == c) ++state;
        kept.push_back(c);
        states.push_back(state);
    }

    void cutKeptTo(std::size_t length) {
        kept.resize(length);
        states.resize(length);
    }

    // Puts text in front of what is still to be read.
    void unreadInFront(std::string::const_iterator begin, std::string::const_iterator end) {
        unread.append(std::make_reverse_iterator(end), std::make_reverse_iterator(begin));
    }

    // The text is now kept + pattern[1..] + unread.
    void removeFirstOfOccurrence() {
        const std::size_t m = pattern.size();
        cutKeptTo(kept.size() - m);
        for (std::size_t k = widestOverlap[stateOfKept()]; k > 0;
             k = widestOverlap[stateOfKept()]) {
            // The occurrence k characters back ends inside pattern[1..]; what
            // follows it there, pattern[m - k + 1..], stays unread.
            unreadInFront(pattern.begin() + static_cast<std::ptrdiff_t>(m - k + 1), pattern.end());
            cutKeptTo(kept.size() - k);
        }
        if (stateOfKept() == 0) return keepTailOfPattern();
        unreadInFront(pattern.begin() + 1, pattern.end());
    }

    // After a kept text that ends with no part of the pattern, the states of
    // pattern[1..] are the pattern's own borders: no need to read it again.
    void keepTailOfPattern() {
        kept.append(pattern, 1, std::string::npos);
        states.insert(states.end(), border.begin() + 2, border.end());
    }

    const std::string& pattern;
    std::vector<std::size_t> border;
    std::vector<std::size_t> widestOverlap;
    std::string kept;
    std::vector<std::size_t> states;
    std::string unread;  // in reverse: the next character is at the back
};

}  // namespace

std::string removeOccurrences(std::string text, const std::string& pattern) {
    if (pattern.empty()) return text;
    return Remover(pattern).run(text);
}

}  // namespace mirobanth::application
