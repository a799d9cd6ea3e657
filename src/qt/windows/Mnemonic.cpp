#include "qt/windows/Mnemonic.h"

namespace ttt {

QString qtMnemonic(const std::string& caption) { return QString::fromStdString(caption); }

}  // namespace ttt
