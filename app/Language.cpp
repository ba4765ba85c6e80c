#include "app/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace {

constexpr const char* kResources = ":/i18n";

// Qt takes the layout direction from this text's translation.
//: "LTR" for a language written left to right, "RTL" for one written right to left (Arabic).
[[maybe_unused]] constexpr const char* kDirection =
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

}  // namespace

Language::Language(const QStringList& languages) {
  for (const QString& name : languages) {
    const QLocale locale(name);
    if (locale.language() == QLocale::C) {
      continue;  // a name Qt does not know, or the "C" it lists after one
    }
    if (locale.language() == QLocale::English) {
      return;
    }
    if (program_.load(locale, "hanoi", "_", kResources)) {
      locale_ = locale;
      locale_.setNumberOptions(QLocale::OmitGroupSeparator);
      if (!QCoreApplication::instance()) {
        return;
      }
      // Qt's translations are optional: without them the boxes keep Qt's English OK and Cancel.
      if (qt_.load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qt_);
      }
      QCoreApplication::installTranslator(&program_);
      return;
    }
  }
}

std::string Language::Translate(const Text& text, int count) const {
  QString result = program_.translate(text.context, text.source, nullptr, count);
  if (result.isEmpty()) {
    result = QString::fromUtf8(text.source);
  }
  if (count >= 0) {
    result.replace(QLatin1String("%n"), QString::fromStdString(Number(count)));
  }
  return result.toStdString();
}

std::string Language::Number(int number) const {
  return locale_.toString(number).toStdString();
}
