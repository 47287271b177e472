#pragma once
// Publishes the form classes and their properties for layouts, after the control classes
// they build on. Registering again does nothing.

void RegisterFormClasses();
