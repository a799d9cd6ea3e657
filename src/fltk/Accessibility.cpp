#include "fltk/Accessibility.h"

#include <FL/Fl.H>
#include <atk-bridge.h>
#include <atk/atk.h>

#include "fltk/AccessibilityBus.h"
#include "fltk/AccessibleApplication.h"
#include "fltk/GlibLoop.h"

namespace ttt {

namespace {

// ATK asks the toolkit for the root of the program's objects; this program is that toolkit.
AtkObject* rootObject = nullptr;

void answerAsToolkit() {
  auto* util = static_cast<AtkUtilClass*>(g_type_class_ref(ATK_TYPE_UTIL));
  util->get_root = [] { return rootObject; };
  util->get_toolkit_name = []() -> const gchar* { return "FLTK"; };
  util->get_toolkit_version = []() -> const gchar* { return "1.3"; };
}

}  // namespace

Accessibility::Accessibility(std::string applicationName)
    : applicationName_(std::move(applicationName)) {}

Accessibility::~Accessibility() {
  if (!started_) return;
  Fl::remove_check(&Accessibility::beforeWait, this);
  atk_bridge_adaptor_cleanup();
  rootObject = nullptr;
  root_.reset();
  loop_.reset();
}

bool Accessibility::start() {
  if (started_ || !accessibilityBusRunning()) return started_;
  root_ = std::make_unique<AccessibleApplication>(applicationName_);
  rootObject = root_->object();
  answerAsToolkit();
  loop_ = std::make_unique<GlibLoop>();
  if (atk_bridge_adaptor_init(nullptr, nullptr) != 0) {
    rootObject = nullptr;
    loop_.reset();
    root_.reset();
    return false;
  }
  started_ = true;
  root_->sync();
  Fl::add_check(&Accessibility::beforeWait, this);
  return true;
}

void Accessibility::beforeWait(void* data) {
  auto* self = static_cast<Accessibility*>(data);
  self->root_->sync();
  self->loop_->beforeWait();
}

}  // namespace ttt
