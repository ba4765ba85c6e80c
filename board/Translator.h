#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// lupdate collects the texts marked with these macros; the program itself takes them as they are.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif
#ifndef QT_TRANSLATE_N_NOOP
#define QT_TRANSLATE_N_NOOP(context, text) text
#endif

// A text the program shows or speaks: its English source, and the context that groups it in the
// translation files. Sentences are whole patterns with placeholders (%1 to %9, and %n for a count
// that chooses the plural form), never pieces glued together.
struct Text {
  const char* context;
  const char* source;
};

// Gives the program's texts in the user's language.
class Translator {
 public:
  virtual ~Translator() = default;

  // `text` in the user's language, or its English source where no translation applies. A count
  // of 0 or more chooses the plural form of a pattern with %n and takes the place of every %n.
  virtual std::string Translate(const Text& text, int count = -1) const = 0;
  // `number` in decimal, with the digits of the user's language, without grouping.
  virtual std::string Number(int number) const = 0;
};

// The English source texts, for where no translation applies.
const Translator& English();

// Replaces %1 to %9 in `pattern` by the arguments in one pass (a "%2" inside an argument stays as
// it is). A placeholder without an argument, and any other "%", is kept.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> args);
