#pragma once
// What the reader and writer know of a class: its published properties (name, kind,
// accessors, default) in declaration order, and for form classes the published methods that
// event properties bind to by name. TClassBuilder (classbuilder.h) fills these in.

#include "gui/classes/identmaps.h"
#include "gui/classes/persistent.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <typeindex>
#include <variant>
#include <vector>

class TComponent;

enum TPropKind {
    pkInteger,    // an integer, or an identifier of its IdentMap (colours)
    pkBoolean,    //
    pkFloat,      //
    pkString,     //
    pkEnum,       // an identifier of Idents
    pkSet,        // a set of identifiers of Idents
    pkObject,     // a nested object; its properties are reached by dotted names
    pkCollection, // a collection; its items are streamed in the property's value
    pkComponent,  // a reference to a component, by name, resolved after the tree is read
    pkEvent,      // a handler, by the name of a published method of the root
};

// A plain property's value: integers, enumerations (their ordinal) and sets (their bits)
// as integers.
using TPropValue = std::variant<std::int64_t, bool, double, std::string>;

// A published method of a form class. Its signature is its type: an event property binds
// only to a method of exactly its own signature.
class TMethodInfo {
public:
    explicit TMethodInfo(std::string name) : FName(std::move(name)) {}
    virtual ~TMethodInfo() = default;
    const std::string& Name() const { return FName; }

private:
    std::string FName;
};

template <class TSignature>
class TBoundMethodInfo;

template <class R, class... TArgs>
class TBoundMethodInfo<R(TArgs...)> : public TMethodInfo {
public:
    using THandler = std::function<R(TArgs...)>;
    using TBinder = std::function<THandler(TObject& root)>;

    TBoundMethodInfo(std::string name, TBinder bind)
        : TMethodInfo(std::move(name)), FBind(std::move(bind)) {}
    // A handler that calls the method on root.
    THandler Bind(TObject& root) const { return FBind(root); }

private:
    TBinder FBind;
};

struct TPropInfo {
    std::string Name;
    TPropKind Kind = pkInteger;
    std::span<const std::string_view> Idents;
    TIdentMap IdentMap;
    // A plain property equal to its default is not written; one without is always written.
    std::optional<TPropValue> Default;
    // When given and false, the property is not written.
    std::function<bool(const TPersistent&)> IsStored;

    // Plain kinds. SetValue returns false for a value outside the property's type.
    std::function<TPropValue(const TPersistent&)> GetValue;
    std::function<bool(TPersistent&, const TPropValue&)> SetValue;
    // pkObject, pkCollection, pkComponent.
    std::function<TPersistent*(const TPersistent&)> GetObject;
    // pkComponent: returns false for a component of the wrong class.
    std::function<bool(TPersistent&, TComponent*)> SetComponent;
    // pkEvent: the bound method's name, and binding to method of root (null: no handler);
    // returns false for a method of another signature.
    std::function<std::string(const TPersistent&)> GetMethodName;
    std::function<bool(TPersistent&, const TMethodInfo*, TObject& root)> SetMethod;
};

// Makes a component of a class with an owner.
using TComponentFactory = TComponent* (*)(TComponent* owner);

class TClassInfo {
public:
    TClassInfo(std::string name, std::type_index type, const TClassInfo* parent,
               bool (*isInstance)(const TPersistent*), TComponentFactory factory);

    const std::string& Name() const { return FName; }
    std::type_index Type() const { return FType; }
    const TClassInfo* Parent() const { return FParent; }
    // The number of registered ancestors.
    int Depth() const { return FDepth; }
    bool IsInstance(const TPersistent& object) const { return FIsInstance(&object); }

    // A new component of this class owned by owner; null for a class that is not a
    // creatable component.
    TComponent* CreateComponent(TComponent* owner) const;

    // The property of that name (without regard to case) of this class or an ancestor; a
    // class's own declaration hides an ancestor's.
    const TPropInfo* FindProperty(std::string_view name) const;
    const TMethodInfo* FindMethod(std::string_view name) const;
    // Every property in writing order: ancestors' first, each in declaration order, a
    // redeclared property in its ancestor's place.
    std::vector<const TPropInfo*> Properties() const;

    TPropInfo& AddProperty(TPropInfo property);
    // The property added last, for the builder's modifiers.
    TPropInfo& LastProperty();
    void AddMethod(std::unique_ptr<TMethodInfo> method);

private:
    std::string FName;
    std::type_index FType;
    const TClassInfo* FParent;
    int FDepth;
    bool (*FIsInstance)(const TPersistent*);
    TComponentFactory FFactory;
    std::vector<TPropInfo> FProperties;
    std::vector<std::unique_ptr<TMethodInfo>> FMethods;
};
