#pragma once

// The two patterns the subtitle cues are recognised by, written out as small matchers (the patterns
// are fixed; a backtracking regex engine would recurse once per character of a long line):
//   timing: \d{2}:(\d{2}):(\d{2}(,\d+))\s*-->\s*([0-9:\.]+)   found anywhere in the line
//   blank:  ^\s*$
// \d is an ASCII digit; \s is tab, line feed, form feed, carriage return or a Unicode separator
// (Zs, Zl, Zp).

#include <optional>
#include <string_view>

namespace drovik {

struct TimingMatch {
    std::string_view whole;
    std::string_view minutes;   // group 1
    std::string_view seconds;   // group 2, "SS,mmm"
    std::string_view endTime;   // group 4
};

// The first match of the timing pattern in the text, or none.
std::optional<TimingMatch> firstMatch(std::string_view text);
// Group 1 (the minutes) of the first match, or none.
std::optional<std::string_view> firstMatchString(std::string_view text);
// True when the text is empty or all pattern white space.
bool isBlankLine(std::string_view text);

} // namespace drovik
