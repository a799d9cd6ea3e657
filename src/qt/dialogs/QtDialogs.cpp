#include "qt/dialogs/QtDialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QStyle>
#include <QValidator>

#include "qt/system/QtGraphemes.h"
#include "qt/system/ScreenCentred.h"
#include "screens/text/MessageWrap.h"
#include "screens/text/NameRule.h"

namespace ttt {

namespace {

// Keeps a name field within the name rule, whatever brings the text (typing, a paste, an input
// method, a drop). Qt shows it only the text after an edit: it keeps the last accepted.
class NameValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& position) const override {
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

 private:
  QtGraphemes clusters_;
  mutable std::string accepted_;
};

// The name field's width at 96 dots per inch, as wide as the classic box's.
constexpr int kFieldWidth = 330;
constexpr int kMargin = 10;
constexpr int kTopMargin = 26;

// Qt breaks the text at blanks only: a long name is broken too, so that the box fits its screen.
QString wrapped(const std::string& text, const QMessageBox& box) {
  const QScreen* screen = box.screen();
  const int width =
      widestMessageLine(screen != nullptr ? screen->availableGeometry().width() : 800);
  const QFontMetrics metrics(box.font());
  const auto measure = [&metrics](std::string_view utf8) {
    return metrics.horizontalAdvance(
        QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
  };
  return QString::fromStdString(
      breakLongRuns(withNewlines(text), width, measure, QtGraphemes(), "\n"));
}

}  // namespace

// Laid out as the classic input box: the question icon beside the prompt and a wide field.
std::string QtInputBox::ask(const std::string& prompt) {
  ScreenCentred<QDialog> dialog;
  dialog.setWindowTitle(title_);
  auto* layout = new QGridLayout(&dialog);
  auto* icon = new QLabel(&dialog);
  icon->setPixmap(dialog.style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32));
  auto* label = new QLabel(QString::fromStdString(withNewlines(prompt)), &dialog);
  label->setTextFormat(Qt::PlainText);
  auto* field = new QLineEdit(&dialog);
  field->setValidator(new NameValidator(field));
  field->setMinimumWidth(kFieldWidth);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
  layout->addWidget(label, 0, 1);
  layout->addWidget(field, 1, 1);
  layout->addWidget(buttons, 2, 0, 1, 2);
  layout->setContentsMargins(kMargin, kTopMargin, kMargin, kMargin);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  field->setFocus();
  if (dialog.exec() != QDialog::Accepted) return {};
  return field->text().toStdString();
}

void QtMessageBox::show(const std::string& prompt, int style, const std::string& title) {
  const auto icon = style == kStyleExclamation ? QMessageBox::Warning : QMessageBox::Information;
  ScreenCentred<QMessageBox> box(icon, QString::fromStdString(title), QString(), QMessageBox::Ok);
  box.setText(wrapped(prompt, box));
  box.setTextFormat(Qt::PlainText);
  box.layout()->setSizeConstraint(QLayout::SetFixedSize);
  // The style centres the button; the classic box has it at the bottom right.
  if (auto* buttons = box.findChild<QDialogButtonBox*>()) buttons->setCenterButtons(false);
  box.exec();
}

}  // namespace ttt
