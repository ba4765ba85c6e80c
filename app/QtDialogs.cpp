#include "app/QtDialogs.h"

#include <QInputDialog>
#include <QMessageBox>

namespace {

QString ToQString(std::string_view text) {
  QString result = QString::fromUtf8(text.data(), qsizetype(text.size()));
  result.replace(QLatin1String("\r\n"), QLatin1String("\n"));  // shown as one line break
  return result;
}

}  // namespace

void QtDialogs::ShowMessage(std::string_view text, MessageIcon icon) {
  QMessageBox box(icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::NoIcon,
                  kAppTitle, ToQString(text), QMessageBox::Ok, parent_);
  box.exec();
}

std::string QtDialogs::AskText(std::string_view prompt, std::string_view title) {
  QInputDialog dialog(parent_);
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setWindowTitle(title.empty() ? QString(kAppTitle) : ToQString(title));
  dialog.setLabelText(ToQString(prompt));
  dialog.setTextValue(QString());
  if (dialog.exec() != QDialog::Accepted) {
    return {};
  }
  return dialog.textValue().toStdString();
}
