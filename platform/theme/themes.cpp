#include "platform/system/answers.h"
#include "platform/theme/theme.h"

namespace theme {

bool ThemesEnabled() {
    const platform::TPlatformAnswers& answers = platform::Answers();
    return answers.ThemesActive && answers.CommonControlsVersion >= 0x00060000;
}

} // namespace theme
