#pragma once

#include <QString>
#include <string>

namespace ttt {

// A caption with '&' access keys as a Qt button text shows it.
QString qtMnemonic(const std::string& caption);

}  // namespace ttt
