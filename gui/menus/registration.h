#pragma once
// Publishes the menu classes (popup menu, menu item) for layouts. Registering again does
// nothing.

void RegisterMenuClasses();
