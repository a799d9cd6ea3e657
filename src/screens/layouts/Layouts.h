#pragma once

#include "forms/Layout.h"

namespace ttt {

// The three windows as they are at load, built once and kept for the program's life.
const FormLayout& twoPlayerLayout();     // Form1, "TWO PLAYER !"
const FormLayout& singlePlayerLayout();  // Form2, "SINGLE PLAYER !"
const FormLayout& menuLayout();          // Form3, "ORVANE'S TIC TAC TOE !"

}  // namespace ttt
