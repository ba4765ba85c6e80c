#pragma once

#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include "board/Translator.h"

// The user's language: the program's translation and Qt's own (the OK and Cancel of the boxes),
// installed into the application while this object lives (a translator leaves the application
// as it is destroyed). English is the program's own language and needs no translation.
// Installing a right-to-left language (Arabic) turns the application's layout direction to right
// to left.
class Language : public Translator {
 public:
  // Takes the first of `languages` (the user's, most wanted first, as QLocale::uiLanguages lists
  // them: "de-DE", "pt_BR") that is English or has a translation, passing over names Qt does not
  // know ("xx", listed with a "C" after it); English when none is.
  // Installs it into the running application, if there is one.
  explicit Language(const QStringList& languages);
  Language(const Language&) = delete;
  Language& operator=(const Language&) = delete;

  // The language taken; QLocale::c() for English.
  const QLocale& Locale() const { return locale_; }

  std::string Translate(const Text& text, int count = -1) const override;
  std::string Number(int number) const override;

 private:
  QTranslator program_;
  QTranslator qt_;
  QLocale locale_ = QLocale::c();
};
