#pragma once
// Publishes the styled buttons, so that layouts can name them; safe to repeat.

void RegisterButtonClasses();
