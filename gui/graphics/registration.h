#pragma once
// Publishes the graphics classes that layouts hold as nested objects (a control's Font), with
// the identifiers of their values (ANSI_CHARSET). Registering again does nothing.

void RegisterGraphicsClasses();
