#include "qt/dialogs/QtDialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QVBoxLayout>

#include "qt/dialogs/NameValidator.h"

namespace ttt {

namespace {

// A carriage return shows as a box in Qt's text: a line break is shown once, "\r\n" or not.
QString shownText(const std::string& text) {
  QString shown = QString::fromStdString(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return shown;
}

// The window the box opens over: the one in front, if any.
QWidget* owner() { return QApplication::activeWindow(); }

}  // namespace

std::string QtInputBox::ask(const std::string& prompt) {
  QDialog dialog(owner());
  dialog.setWindowTitle(title_);
  auto* layout = new QVBoxLayout(&dialog);
  auto* label = new QLabel(shownText(prompt), &dialog);
  label->setTextFormat(Qt::PlainText);
  auto* field = new QLineEdit(&dialog);
  field->setValidator(new NameValidator(field));
  label->setBuddy(field);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(label);
  layout->addWidget(field);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  field->setMinimumWidth(field->fontMetrics().averageCharWidth() * 40);
  field->setFocus();
  if (dialog.exec() != QDialog::Accepted) return {};
  return field->text().toStdString();
}

void QtMessageBox::show(const std::string& prompt, int style, const std::string& title) {
  const auto icon = style == kStyleExclamation ? QMessageBox::Warning : QMessageBox::Information;
  QMessageBox box(icon, QString::fromStdString(title), shownText(prompt), QMessageBox::Ok,
                  owner());
  box.setTextFormat(Qt::PlainText);
  box.layout()->setSizeConstraint(QLayout::SetFixedSize);
  box.exec();
}

}  // namespace ttt
