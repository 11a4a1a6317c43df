#pragma once

#include "core/EmployeeAuthorization.h"
#include "core/ScreenContext.h"
#include "core/TerminalSettings.h"
#include "support/FixtureStore.h"

// A terminal folder with its settings and screen context, for the label screens.
struct LabelFixture {
    class NoEmployee final : public EmployeeAuthorization {
    public:
        platform::DialogAnswer authorize(const QString &) override { return platform::DialogAnswer::No; }
        int authorizedEmployee() const override { return 0; }
    };

    FixtureStore store;
    TerminalSettings settings{store.folder()};
    NoEmployee authorization;
    ScreenContext context{store.dm(), settings, authorization};
};
