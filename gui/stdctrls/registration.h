#pragma once
// Publishes the standard controls (list box, push button, label, group box) for layouts,
// after the classes they build on. Registering again does nothing.

void RegisterStdControlClasses();
