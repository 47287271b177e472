#pragma once
// Publishes the common controls (page control, tab sheet) for layouts, after the classes
// they build on. Registering again does nothing.

void RegisterComCtrlClasses();
