#pragma once
// Publishes every class of the GUI layer for layouts. Programs call it once at start-up,
// before the first form is read; calling it again does nothing.

void RegisterGuiClasses();
