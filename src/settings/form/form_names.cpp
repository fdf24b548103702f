#include "settings/form/form_names.h"

#include <QLatin1StringView>

#include <string_view>

namespace drovik::form {

namespace {

// Two entries of one list under one name could not both be reached from outside.
template <std::size_t N>
constexpr bool distinct(const std::array<const char *, N> &names)
{
    for (std::size_t i = 0; i < N; ++i) {
        for (std::size_t j = i + 1; j < N; ++j) {
            if (std::string_view(names[i]) == std::string_view(names[j]))
                return false;
        }
    }
    return true;
}
static_assert(distinct(kSectionNames) && distinct(kControlNames));

} // namespace

std::optional<ControlId> controlNamed(QStringView name)
{
    for (std::size_t i = 0; i < kControlCount; ++i) {
        if (name == QLatin1StringView(kControlNames[i]))
            return ControlId(i);
    }
    return std::nullopt;
}

} // namespace drovik::form
