// Environment variables set for a scope: programs started after it must see the user's.

#include "platform/window/scoped_variable.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

using win::detail::TScopedVariable;

constexpr const char* Name = "BRENLOW_SCOPED_VARIABLE_TEST";

std::optional<std::string> Value() {
    const char* value = std::getenv(Name);
    return value ? std::optional<std::string>(value) : std::nullopt;
}

TEST(ScopedVariable, SetsItForTheScopeAndGivesBackTheValueOrTheAbsence) {
    unsetenv(Name);
    {
        const TScopedVariable variable(Name, "scoped");
        EXPECT_EQ(Value(), "scoped");
    }
    EXPECT_EQ(Value(), std::nullopt);

    setenv(Name, "user's", 1);
    {
        const TScopedVariable variable(Name, "scoped");
        EXPECT_EQ(Value(), "scoped");
    }
    EXPECT_EQ(Value(), "user's");
    unsetenv(Name);
}

TEST(ScopedVariable, WhenAskedLeavesAValueTheUserSetAlone) {
    setenv(Name, "user's", 1);
    {
        const TScopedVariable variable(Name, "scoped", TScopedVariable::TWhen::wUnset);
        EXPECT_EQ(Value(), "user's");
    }
    EXPECT_EQ(Value(), "user's");

    unsetenv(Name);
    {
        const TScopedVariable variable(Name, "scoped", TScopedVariable::TWhen::wUnset);
        EXPECT_EQ(Value(), "scoped");
    }
    EXPECT_EQ(Value(), std::nullopt);
}

} // namespace
