#pragma once

#include <QValidator>

namespace ttt {

// Keeps a name field within the name rule, whatever brings the text: typing, a paste, an
// input method or a drop.
class NameValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& position) const override;
};

}  // namespace ttt
