#include "fltk/AccessibleObject.h"

#include <string>

#include "fltk/AccessibleNode.h"

namespace ttt {

namespace {

struct Instance {
  AtkObject parent;
  AccessibleNode* node;
  std::string* keyBinding;  // kept for the bridge, which borrows the string
};

struct Class {
  AtkObjectClass parent;
};

AccessibleNode* nodeOf(gpointer object) { return reinterpret_cast<Instance*>(object)->node; }

gint childCount(AtkObject* object) {
  const AccessibleNode* node = nodeOf(object);
  return node != nullptr ? node->childCount() : 0;
}

AtkObject* refChild(AtkObject* object, gint index) {
  const AccessibleNode* node = nodeOf(object);
  AccessibleNode* child = node != nullptr ? node->child(index) : nullptr;
  return child != nullptr ? ATK_OBJECT(g_object_ref(child->object())) : nullptr;
}

gint indexInParent(AtkObject* object) {
  const AccessibleNode* node = nodeOf(object);
  return node != nullptr ? node->indexInParent() : -1;
}

AtkStateSet* refStateSet(AtkObject* object) {
  AtkStateSet* states = atk_state_set_new();
  const AccessibleNode* node = nodeOf(object);
  if (node != nullptr) {
    node->addStates(states);
  } else {
    atk_state_set_add_state(states, ATK_STATE_DEFUNCT);
  }
  return states;
}

// AtkObject's class: the subtype with an action inherits finalize() from ours, so the chain
// goes on from the class ours was derived from, never from the object's own.
GObjectClass* atkObjectClass = nullptr;

void finalize(GObject* object) {
  delete reinterpret_cast<Instance*>(object)->keyBinding;
  atkObjectClass->finalize(object);
}

void classInit(gpointer klass, gpointer /*data*/) {
  auto* atk = ATK_OBJECT_CLASS(klass);
  atk->get_n_children = childCount;
  atk->ref_child = refChild;
  atk->get_index_in_parent = indexInParent;
  atk->ref_state_set = refStateSet;
  atkObjectClass = G_OBJECT_CLASS(g_type_class_peek_parent(klass));
  G_OBJECT_CLASS(klass)->finalize = finalize;
}

void instanceInit(GTypeInstance* instance, gpointer /*klass*/) {
  auto* self = reinterpret_cast<Instance*>(instance);
  self->node = nullptr;
  self->keyBinding = new std::string;
}

void extents(AtkComponent* component, gint* x, gint* y, gint* width, gint* height,
             AtkCoordType coordinates) {
  int left = 0, top = 0, w = 0, h = 0;
  const AccessibleNode* node = nodeOf(component);
  const bool placed = node != nullptr && node->screenExtents(left, top, w, h);
  if (placed && coordinates != ATK_XY_SCREEN) {
    // Relative to the top-level window: walk up to the object just below the application.
    AtkObject* window = ATK_OBJECT(component);
    while (window->accessible_parent != nullptr && window->accessible_parent->accessible_parent)
      window = window->accessible_parent;
    const AccessibleNode* topNode = nodeOf(window);
    int wx = 0, wy = 0, ww = 0, wh = 0;
    if (topNode != nullptr && topNode->screenExtents(wx, wy, ww, wh)) {
      left -= wx;
      top -= wy;
    }
  }
  *x = placed ? left : -1;
  *y = placed ? top : -1;
  *width = placed ? w : -1;
  *height = placed ? h : -1;
}

void componentInit(gpointer iface, gpointer /*data*/) {
  static_cast<AtkComponentIface*>(iface)->get_extents = extents;
}

gboolean doAction(AtkAction* action, gint index) {
  AccessibleNode* node = nodeOf(action);
  return index == 0 && node != nullptr && node->act() ? TRUE : FALSE;
}

gint actionCount(AtkAction* action) { return nodeOf(action) != nullptr ? 1 : 0; }

const gchar* actionName(AtkAction* action, gint index) {
  const AccessibleNode* node = nodeOf(action);
  return index == 0 && node != nullptr ? node->actionName() : nullptr;
}

const gchar* keyBinding(AtkAction* action, gint index) {
  const AccessibleNode* node = nodeOf(action);
  if (index != 0 || node == nullptr) return nullptr;
  std::string& kept = *reinterpret_cast<Instance*>(action)->keyBinding;
  kept = node->keyBinding();
  return kept.c_str();
}

void actionInit(gpointer iface, gpointer /*data*/) {
  auto* action = static_cast<AtkActionIface*>(iface);
  action->do_action = doAction;
  action->get_n_actions = actionCount;
  action->get_name = actionName;
  action->get_localized_name = actionName;
  action->get_keybinding = keyBinding;
}

GType objectType() {
  static const GType type = [] {
    GTypeInfo info{};
    info.class_size = static_cast<guint16>(sizeof(Class));
    info.class_init = classInit;
    info.instance_size = static_cast<guint16>(sizeof(Instance));
    info.instance_init = instanceInit;
    const GType registered =
        g_type_register_static(ATK_TYPE_OBJECT, "TttAccessible", &info, static_cast<GTypeFlags>(0));
    const GInterfaceInfo component{componentInit, nullptr, nullptr};
    g_type_add_interface_static(registered, ATK_TYPE_COMPONENT, &component);
    return registered;
  }();
  return type;
}

GType actionableType() {
  static const GType type = [] {
    GTypeInfo info{};
    info.class_size = static_cast<guint16>(sizeof(Class));
    info.instance_size = static_cast<guint16>(sizeof(Instance));
    const GType registered = g_type_register_static(objectType(), "TttAccessibleWithAction", &info,
                                                    static_cast<GTypeFlags>(0));
    const GInterfaceInfo action{actionInit, nullptr, nullptr};
    g_type_add_interface_static(registered, ATK_TYPE_ACTION, &action);
    return registered;
  }();
  return type;
}

}  // namespace

AtkObject* newAccessibleObject(AccessibleNode& node, AtkRole role, bool hasAction) {
  auto* object = ATK_OBJECT(g_object_new(hasAction ? actionableType() : objectType(), nullptr));
  reinterpret_cast<Instance*>(object)->node = &node;
  atk_object_initialize(object, nullptr);
  atk_object_set_role(object, role);
  return object;
}

void detachAccessibleObject(AtkObject* object) {
  reinterpret_cast<Instance*>(object)->node = nullptr;
  atk_object_notify_state_change(object, ATK_STATE_DEFUNCT, TRUE);
  g_object_unref(object);
}

}  // namespace ttt
