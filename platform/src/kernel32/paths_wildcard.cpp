// FindFirstFile's pattern matching. The pattern is first rewritten into the DOS wildcards of
// the NT name matcher the way kernel32 does it:
//   '?'                    -> DOS_QM   one character, or nothing at a dot or at the end
//   '*' followed by '.'    -> DOS_STAR any characters up to (not past) the name's last dot
//   '.' before '?' or '*'  -> DOS_DOT  a dot, or nothing at the end of the name
// "*.*" becomes "*", trailing dots are dropped, and when they were and a '*' then ends the
// pattern it becomes DOS_STAR (so "*." matches the names without a dot).
#include "paths_wildcard.h"

#include <string>
#include <vector>

#include "text_unicode.h"

namespace winplat::paths {
namespace {

constexpr char32_t kStar = 0x110000;
constexpr char32_t kDosStar = 0x110001;
constexpr char32_t kDosQm = 0x110002;
constexpr char32_t kDosDot = 0x110003;

std::u32string Rewrite(std::u32string pattern) {
  bool endsInDot = false;
  while (!pattern.empty() && pattern.back() == U'.') {
    pattern.pop_back();
    endsInDot = true;
  }
  if (pattern == U"*.*")
    return {kStar};
  std::u32string rewritten = pattern;
  for (size_t i = 0; i < pattern.size(); ++i) {
    const char32_t next = i + 1 < pattern.size() ? pattern[i + 1] : 0;
    if (pattern[i] == U'?') {
      rewritten[i] = kDosQm;
    } else if (pattern[i] == U'*') {
      rewritten[i] = next == U'.' ? kDosStar : kStar;
    } else if (pattern[i] == U'.' && (next == U'?' || next == U'*')) {
      rewritten[i] = kDosDot;
    }
  }
  if (endsInDot && !rewritten.empty() && rewritten.back() == kStar)
    rewritten.back() = kDosStar;
  return rewritten;
}

class Matcher {
 public:
  Matcher(std::u32string pattern, std::u32string name)
      : pattern_(std::move(pattern)),
        name_(std::move(name)),
        lastDot_(name_.rfind(U'.')),
        memo_((pattern_.size() + 1) * (name_.size() + 1), kUnknown) {}

  bool Matches(size_t p, size_t n) {
    signed char &known = memo_[p * (name_.size() + 1) + n];
    if (known == kUnknown)
      known = Compute(p, n) ? 1 : 0;
    return known == 1;
  }

 private:
  static constexpr signed char kUnknown = -1;

  bool Compute(size_t p, size_t n) {
    const size_t end = name_.size();
    if (p == pattern_.size())
      return n == end;
    switch (pattern_[p]) {
      case kStar:
        return AnyRun(p, n, end);
      case kDosStar:
        return AnyRun(p, n, lastDot_ != std::u32string::npos && lastDot_ >= n ? lastDot_ : end);
      case kDosQm:
        if (n == end || name_[n] == U'.')
          return Matches(SkipQms(p), n);
        return Matches(p + 1, n + 1);
      case kDosDot:
        if (n == end)
          return Matches(p + 1, n);
        return name_[n] == U'.' && Matches(p + 1, n + 1);
      default:
        return n < end && name_[n] == pattern_[p] && Matches(p + 1, n + 1);
    }
  }

  // The wildcard at p takes name_[n..k) for some k up to limit.
  bool AnyRun(size_t p, size_t n, size_t limit) {
    for (size_t k = n; k <= limit; ++k) {
      if (Matches(p + 1, k))
        return true;
    }
    return false;
  }

  size_t SkipQms(size_t p) const {
    while (p < pattern_.size() && pattern_[p] == kDosQm)
      ++p;
    return p;
  }

  const std::u32string pattern_;
  const std::u32string name_;
  const size_t lastDot_;
  std::vector<signed char> memo_;
};

}  // namespace

bool MatchesPattern(std::string_view pattern, std::string_view name) {
  return Matcher(Rewrite(text::FoldedUtf8(pattern)), text::FoldedUtf8(name)).Matches(0, 0);
}

}  // namespace winplat::paths
