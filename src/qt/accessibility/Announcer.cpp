#include "qt/accessibility/Announcer.h"

#include <QAccessibleWidget>

namespace ttt {

namespace {

// Orca cuts short what it is saying for each new notification. An announcement this soon
// after the last one (the computer answering the player's mark) repeats it first, so that a
// player hears both.
constexpr qint64 kOverlapMs = 100;

QAccessibleInterface* notificationFor(const QString&, QObject* object) {
  if (auto* notice = qobject_cast<Notice*>(object))
    return new QAccessibleWidget(notice, QAccessible::Notification);
  return nullptr;
}

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
  if (auto* existing = window.findChild<Announcer*>(QString(), Qt::FindDirectChildrenOnly)) return *existing;
  // Qt asks the factory when a screen reader first looks at a notice, after it is made.
  static const bool installed = (QAccessible::installFactory(notificationFor), true);
  (void)installed;
  return *new Announcer(window);
}

void Announcer::announce(const QString& text) {
  if (!QAccessible::isActive()) return;
  const bool overlaps = lastTime_.isValid() && lastTime_.elapsed() < kOverlapMs;
  const QString spoken = overlaps ? lastText_ + QStringLiteral(". ") + text : text;
  lastText_ = text;
  lastTime_.start();
  delete previous_;  // two announcements back: read long ago, or never to be
  previous_ = last_;
  last_ = new Notice(spoken, *this);
  // The notice stays hidden: only the screen reader is told that it appeared, so nothing
  // changes on screen for a player who uses none.
  QAccessibleEvent shown(last_, QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&shown);
}

}  // namespace ttt
