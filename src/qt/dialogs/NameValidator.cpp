#include "qt/dialogs/NameValidator.h"

#include <QApplication>

#include "screens/NameRule.h"

namespace ttt {

QValidator::State NameValidator::validate(QString& input, int& position) const {
  const std::string after = input.toStdString();
  if (after == accepted_) return Acceptable;
  const NameChange change = editName(clusters_, accepted_, after);
  if (change.limited) QApplication::beep();
  accepted_ = change.text;
  if (change.text != after) {
    input = QString::fromStdString(change.text);
    position = static_cast<int>(
        QString::fromUtf8(change.text.data(), static_cast<qsizetype>(change.cursor)).size());
  }
  return Acceptable;
}

}  // namespace ttt
