#pragma once
// The registry of streamable classes: by name for the reader, which creates the components a
// stream names, and by type for the published properties of any object. Register classes
// with RegisterClass (classbuilder.h); TPersistent, TComponent, TCollection,
// TCollectionItem, TStrings and TStringList are registered from the start.

#include "gui/classes/propinfo.h"

#include <memory>
#include <string_view>
#include <typeindex>

// The registered class of that name (without regard to case), or null.
const TClassInfo* GetClass(std::string_view name);
// The same; raises EClassNotFound "Class <name> not found" for an unknown name.
const TClassInfo& FindClass(std::string_view name);
// The class registered for exactly this type, or null.
const TClassInfo* GetClassInfo(std::type_index type);
// The most derived registered class that object is an instance of; an object of an
// unregistered class gets its nearest registered ancestor's properties.
const TClassInfo& ClassInfoOf(const TPersistent& object);

// Adds a class; its parent must be registered. Raises EStreamError "A class named <name>
// already exists" when another type has the name. Returns the registered class.
const TClassInfo& AddClassInfo(std::unique_ptr<TClassInfo> info);
