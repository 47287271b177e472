#include "platform/system/answers.h"

namespace platform {

TPlatformAnswers& Answers() {
    static TPlatformAnswers answers;
    return answers;
}

} // namespace platform
