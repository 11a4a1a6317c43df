#pragma once

#include "core/ScreenContext.h"

// Registers the label screens of this folder in the screen navigator under their class names.
void registerLabelScreens(const ScreenContext &context);
