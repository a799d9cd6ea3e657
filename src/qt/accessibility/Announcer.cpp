#include "qt/accessibility/Announcer.h"

#include <QAccessible>

namespace ttt {

namespace {

void hideFromScreen(QWidget& widget) {
  widget.setFocusPolicy(Qt::NoFocus);
  widget.setAttribute(Qt::WA_TransparentForMouseEvents);
  widget.setFixedSize(0, 0);
  widget.hide();
}

}  // namespace

Notice::Notice(const QString& text, QWidget& parent) : QWidget(&parent) {
  hideFromScreen(*this);
  setAccessibleName(text);
}

Announcer::Announcer(QWidget& window) : QWidget(&window) { hideFromScreen(*this); }

Announcer& Announcer::of(QWidget& window) {
  if (auto* existing = window.findChild<Announcer*>(QString(), Qt::FindDirectChildrenOnly))
    return *existing;
  return *new Announcer(window);
}

void Announcer::announce(const QString& text) {
  if (!QAccessible::isActive()) return;
  const QString spoken = QString::fromStdString(
      sequence_.spoken(text.toStdString(), std::chrono::steady_clock::now()));
  delete previous_;  // two announcements back: read long ago, or never to be
  previous_ = last_;
  last_ = new Notice(spoken, *this);
  // Only the screen reader is told that the hidden notice appeared: nothing changes on screen.
  QAccessibleEvent shown(last_, QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&shown);
}

}  // namespace ttt
