#include "board/Translator.h"

namespace {

class Source : public Translator {
 public:
  std::string Translate(const Text& text, int count) const override {
    std::string result = text.source;
    for (std::size_t at; count >= 0 && (at = result.find("%n")) != std::string::npos;) {
      result.replace(at, 2, Number(count));
    }
    return result;
  }
  std::string Number(int number) const override { return std::to_string(number); }
};

}  // namespace

const Translator& English() {
  static const Source source;
  return source;
}

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> args) {
  std::string result;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const std::size_t arg =
        i + 1 < pattern.size() ? std::size_t(pattern[i + 1] - '1') : args.size();
    if (pattern[i] == '%' && arg < args.size()) {
      result += args.begin()[arg];
      ++i;
    } else {
      result += pattern[i];
    }
  }
  return result;
}
