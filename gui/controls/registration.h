#pragma once
// Publishes the control classes and their properties for layouts. Registering again does
// nothing.

void RegisterControlClasses();
