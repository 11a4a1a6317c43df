#pragma once

struct ScreenContext;

// Registers the screens of the terminal core that the lookup screen opens by name.
void registerCoreScreens(const ScreenContext &context);
