#pragma once
// Publishes the extra controls (bevel) for layouts, after the classes they build on.
// Registering again does nothing.

void RegisterExtControlClasses();
