#pragma once

#include <FL/Fl_RGB_Image.H>

namespace ttt {

// The program's drawings as toolkit images. Each is drawn the first time a window being shown
// asks for it at that size, and kept: windows come and go, the pictures stay, and nothing is
// drawn for a window that never opens.
const Fl_RGB_Image& smilingFaceImage(int size);
const Fl_RGB_Image& lightBulbImage(int size);
const Fl_RGB_Image& handCursorImage(int size);

}  // namespace ttt
