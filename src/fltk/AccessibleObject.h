#pragma once

#include <atk/atk.h>

namespace ttt {

class AccessibleNode;

// The ATK object type that stands for a node: an AtkObject with a component (its place on
// screen) and, when asked for, an action. Its questions go to the node; once detached (the
// node is gone) it answers as an empty, defunct object.
AtkObject* newAccessibleObject(AccessibleNode& node, AtkRole role, bool hasAction);
void detachAccessibleObject(AtkObject* object);

}  // namespace ttt
