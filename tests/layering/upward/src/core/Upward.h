#pragma once

// Planted for the layering test: the board may not know the application.
#include "core/Marks.h"
#include "shell/Application.h"
