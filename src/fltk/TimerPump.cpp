#include "fltk/TimerPump.h"

#include <FL/Fl.H>

namespace ttt {

namespace {
// The toolkit's shortest timeout: in practice one pass per millisecond.
constexpr double kPassDelaySeconds = 0.001;
}  // namespace

TimerPump::TimerPump()
    : passes_([this] { Fl::add_timeout(kPassDelaySeconds, &TimerPump::onTimeout, this); }) {}

TimerPump::~TimerPump() { Fl::remove_timeout(&TimerPump::onTimeout, this); }

void TimerPump::onTimeout(void* data) { static_cast<TimerPump*>(data)->passes_.timeout(); }

}  // namespace ttt
