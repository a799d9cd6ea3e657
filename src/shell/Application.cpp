#include "shell/Application.h"

#include "shell/Form3.h"
#include "singleplayer/Form2.h"
#include "twoplayer/Form1.h"

namespace ttt {
namespace {

// Creates a window's one instance the first time it is asked for and keeps it from then on.
template <typename Window>
Window& instance(std::unique_ptr<Window>& slot, Services& services, Navigator& navigator,
                 FormObserver& windows) {
  if (!slot) {
    slot = std::make_unique<Window>(services, navigator);
    slot->setObserver(&windows);
  }
  return *slot;
}

template <typename Window>
bool isOpen(const std::unique_ptr<Window>& slot) {
  return slot && slot->isLoaded();
}

}  // namespace

Application::Application(Services& services, FormObserver& windows)
    : services_(services), windows_(windows) {}

Application::~Application() = default;

void Application::start() { showMenu(); }

bool Application::anyWindowOpen() const {
  return isOpen(menu_) || isOpen(twoPlayer_) || isOpen(singlePlayer_);
}

void Application::showMenu() { menu().show(); }

void Application::showTwoPlayer() { twoPlayer().show(); }

void Application::showSinglePlayer() { singlePlayer().show(); }

Form3& Application::menu() { return instance(menu_, services_, *this, windows_); }

Form1& Application::twoPlayer() { return instance(twoPlayer_, services_, *this, windows_); }

Form2& Application::singlePlayer() { return instance(singlePlayer_, services_, *this, windows_); }

}  // namespace ttt
