#pragma once
// The answers the platform gives to version and display questions. They describe a current
// system with visual styles and a true-colour display; tests switch single answers to reach
// the paths taken on older or palette-based systems.

#include <cstdint>

namespace platform {

struct TPlatformAnswers {
    std::uint32_t CommonControlsVersion = 0x00060000; // major << 16 | minor
    int PlatformId = 2;                               // NT
    int MajorVersion = 5, MinorVersion = 1;
    int DisplayBitsPerPixel = 32; // true colour; 8 stands for a palette display
    bool ThemesActive = true;
};

// The process-wide answers; tests may change them and should restore them afterwards.
TPlatformAnswers& Answers();

} // namespace platform
