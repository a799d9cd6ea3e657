#pragma once

#include <QValidator>
#include <string>

#include "qt/system/QtGraphemes.h"

namespace ttt {

// Keeps a name field within the shared name rule, whatever brings the text: typing, a paste,
// an input method or a drop. Qt shows the validator only the text after an edit, so it keeps
// the text it last accepted to compare with.
class NameValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& position) const override;

 private:
  QtGraphemes clusters_;
  mutable std::string accepted_;
};

}  // namespace ttt
