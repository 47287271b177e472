#pragma once
// Building a component (a form) from a layout embedded in the program.

#include "gui/classes/component.h"

#include <string_view>

// Reads the form stream embedded under name into root (see TReader::ReadRootComponent).
// Raises EResNotFound "Resource <name> not found" when the program holds no such stream.
void ReadComponentResource(TComponent& root, std::string_view name);
