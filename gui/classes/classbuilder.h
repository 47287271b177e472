#pragma once
// Registering a class and its published properties and methods:
//
//   RegisterClass<TButton, TControl>([](TClassBuilder<TButton>& c) {
//       c.Property("Caption", &TButton::Caption, &TButton::SetCaption, std::string())
//           .Property("Default", &TButton::Default, &TButton::SetDefault, false)
//           .Property("Color", &TButton::Color, &TButton::SetColor, clBtnFace)
//           .Idents(ColorIdents())
//           .Property("Font", &TButton::Font)
//           .Property("Images", &TButton::Images, &TButton::SetImages)
//           .Event("OnClick", &TButton::OnClick);
//   });
//
// The kind of a property follows from its getter's type: bool, integers, double,
// std::string, enumerations with TEnumIdents, TSet of such, pointers to components
// (references), to collections and to other persistent objects (nested objects, given by a
// getter alone). Getters and setters are member functions (of the class or an ancestor),
// data members or lambdas taking the object. A form class also publishes the methods its
// controls' events bind to: .Method("ButtonOKClick", &TMainForm::ButtonOKClick).

#include "gui/classes/classregistry.h"
#include "gui/classes/collection.h"
#include "gui/classes/component.h"
#include "gui/classes/event.h"
#include "gui/classes/exceptions.h"
#include "gui/classes/set.h"

#include <concepts>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <type_traits>
#include <typeinfo>

namespace classbuilder {

template <class V>
struct TIsSet : std::false_type {};
template <class E>
struct TIsSet<TSet<E>> : std::true_type {};

template <class V>
concept PlainValue = std::same_as<V, bool> || std::integral<V> || std::floating_point<V> ||
                     std::same_as<V, std::string> ||(std::is_enum_v<V>&& HasEnumIdents<V>) ||
                     (TIsSet<V>::value && HasEnumIdents<typename V::TElement>);

template <class V>
concept ComponentPointer =
    std::is_pointer_v<V> && std::is_base_of_v<TComponent, std::remove_pointer_t<V>>;

template <class V>
concept ObjectPointer = std::is_pointer_v<V> &&
    std::is_base_of_v<TPersistent, std::remove_pointer_t<V>> && !ComponentPointer<V>;

template <class V>
constexpr TPropKind KindOf() {
    if constexpr (std::same_as<V, bool>)
        return pkBoolean;
    else if constexpr (std::integral<V>)
        return pkInteger;
    else if constexpr (std::floating_point<V>)
        return pkFloat;
    else if constexpr (std::same_as<V, std::string>)
        return pkString;
    else if constexpr (std::is_enum_v<V>)
        return pkEnum;
    else
        return pkSet;
}

template <class V>
std::span<const std::string_view> IdentsOf() {
    if constexpr (std::is_enum_v<V>)
        return TEnumIdents<V>::Names;
    else if constexpr (TIsSet<V>::value)
        return TEnumIdents<typename V::TElement>::Names;
    else
        return {};
}

// Unsigned 32-bit values (colours) travel as signed 32-bit integers.
template <class V>
constexpr bool TravelsAsInt32 = std::unsigned_integral<V> && sizeof(V) == 4;

template <PlainValue V>
TPropValue ToPropValue(const V& value) {
    if constexpr (std::same_as<V, bool> || std::same_as<V, std::string>)
        return value;
    else if constexpr (std::floating_point<V>)
        return double(value);
    else if constexpr (TravelsAsInt32<V>)
        return std::int64_t(std::int32_t(value));
    else if constexpr (std::integral<V>)
        return std::int64_t(value);
    else if constexpr (std::is_enum_v<V>)
        return std::int64_t(value);
    else
        return std::int64_t(value.Bits());
}

template <PlainValue V>
std::optional<V> FromPropValue(const TPropValue& value) {
    if constexpr (std::same_as<V, bool> || std::same_as<V, std::string>) {
        if (const V* v = std::get_if<V>(&value))
            return *v;
    } else if constexpr (std::floating_point<V>) {
        if (const double* v = std::get_if<double>(&value))
            return V(*v);
    } else if (const std::int64_t* v = std::get_if<std::int64_t>(&value)) {
        if constexpr (TravelsAsInt32<V>) {
            if (*v >= std::numeric_limits<std::int32_t>::min() &&
                *v <= std::numeric_limits<std::uint32_t>::max())
                return V(*v);
        } else if constexpr (std::integral<V>) {
            static_assert(sizeof(V) < 8 || std::signed_integral<V>,
                          "no unsigned 64-bit properties");
            if (*v >= std::int64_t(std::numeric_limits<V>::min()) &&
                *v <= std::int64_t(std::numeric_limits<V>::max()))
                return V(*v);
        } else if constexpr (std::is_enum_v<V>) {
            if (*v >= 0 && *v < std::int64_t(IdentsOf<V>().size()))
                return V(*v);
        } else {
            const std::size_t count = IdentsOf<V>().size();
            const std::uint64_t all = count >= 64 ? ~0ULL : (1ULL << count) - 1;
            if ((std::uint64_t(*v) & ~all) == 0)
                return V::FromBits(std::uint64_t(*v));
        }
    }
    return std::nullopt;
}

} // namespace classbuilder

template <class T>
class TClassBuilder {
    template <class G>
    using TValueOf = std::remove_cvref_t<std::invoke_result_t<G, const T&>>;

public:
    explicit TClassBuilder(TClassInfo& info) : FInfo(info) {}

    // A plain value or a component reference; always written.
    template <class G, class S>
    TClassBuilder& Property(std::string name, G get, S set) {
        using V = TValueOf<G>;
        if constexpr (classbuilder::ComponentPointer<V>)
            AddComponentReference<V>(std::move(name), get, set);
        else
            AddPlain<V>(std::move(name), get, set, std::nullopt);
        return *this;
    }

    // A plain value written only when it differs from def.
    template <class G, class S>
    TClassBuilder& Property(std::string name, G get, S set,
                            const std::type_identity_t<TValueOf<G>>& def) {
        using V = TValueOf<G>;
        AddPlain<V>(std::move(name), get, set, classbuilder::ToPropValue<V>(def));
        return *this;
    }

    // A nested object or a collection, reached through get.
    template <class G>
    TClassBuilder& Property(std::string name, G get) {
        using V = TValueOf<G>;
        static_assert(classbuilder::ObjectPointer<V>,
                      "a property given by a getter alone is a nested object or a collection");
        TPropInfo property = NewProperty(
            std::move(name),
            std::is_base_of_v<TCollection, std::remove_pointer_t<V>> ? pkCollection : pkObject);
        property.GetObject = [get](const TPersistent& o) -> TPersistent* {
            return std::invoke(get, static_cast<const T&>(o));
        };
        FInfo.AddProperty(std::move(property));
        return *this;
    }

    // An event property: a TEvent data member of the class or an ancestor.
    template <class TBase, class TSignature>
    TClassBuilder& Event(std::string name, TEvent<TSignature> TBase::*member) {
        static_assert(std::is_base_of_v<TBase, T>);
        TPropInfo property = NewProperty(std::move(name), pkEvent);
        property.GetMethodName = [member](const TPersistent& o) {
            return (static_cast<const T&>(o).*member).MethodName();
        };
        property.SetMethod = [member](TPersistent& o, const TMethodInfo* method, TObject& root) {
            TEvent<TSignature>& event = static_cast<T&>(o).*member;
            if (!method) {
                event = nullptr;
                return true;
            }
            const auto* bound = dynamic_cast<const TBoundMethodInfo<TSignature>*>(method);
            if (!bound)
                return false;
            event = TEvent<TSignature>(bound->Bind(root), method->Name());
            return true;
        };
        FInfo.AddProperty(std::move(property));
        return *this;
    }

    // A published method, for the event properties of the components a stream of this
    // class holds.
    template <class TBase, class R, class... TArgs>
    TClassBuilder& Method(std::string name, R (TBase::*method)(TArgs...)) {
        static_assert(std::is_base_of_v<TBase, T>);
        using TInfo = TBoundMethodInfo<R(TArgs...)>;
        auto bind = [method](TObject& root) -> typename TInfo::THandler {
            T& form = dynamic_cast<T&>(root);
            return [&form, method](TArgs... args) -> R {
                return (form.*method)(std::forward<TArgs>(args)...);
            };
        };
        FInfo.AddMethod(std::make_unique<TInfo>(std::move(name), std::move(bind)));
        return *this;
    }

    // The last property is written only when predicate (called with the object) is true.
    template <class P>
    TClassBuilder& Stored(P predicate) {
        FInfo.LastProperty().IsStored = [predicate](const TPersistent& o) {
            return bool(std::invoke(predicate, static_cast<const T&>(o)));
        };
        return *this;
    }

    // The last property, an integer, reads and writes the identifiers of map.
    TClassBuilder& Idents(TIdentMap map) {
        TPropInfo& property = FInfo.LastProperty();
        if (property.Kind != pkInteger)
            throw EInvalidOperation("Property " + property.Name + " is not an integer");
        property.IdentMap = map;
        return *this;
    }

private:
    static TPropInfo NewProperty(std::string name, TPropKind kind) {
        TPropInfo property;
        property.Name = std::move(name);
        property.Kind = kind;
        return property;
    }

    template <class V, class G, class S>
    void AddPlain(std::string name, G get, S set, std::optional<TPropValue> def) {
        static_assert(classbuilder::PlainValue<V>,
                      "unsupported property type (enumerations need TEnumIdents)");
        TPropInfo property = NewProperty(std::move(name), classbuilder::KindOf<V>());
        property.Idents = classbuilder::IdentsOf<V>();
        property.Default = std::move(def);
        property.GetValue = [get](const TPersistent& o) {
            return classbuilder::ToPropValue<V>(std::invoke(get, static_cast<const T&>(o)));
        };
        property.SetValue = [set](TPersistent& o, const TPropValue& value) {
            const std::optional<V> typed = classbuilder::FromPropValue<V>(value);
            if (typed)
                std::invoke(set, static_cast<T&>(o), *typed);
            return typed.has_value();
        };
        FInfo.AddProperty(std::move(property));
    }

    template <class V, class G, class S>
    void AddComponentReference(std::string name, G get, S set) {
        TPropInfo property = NewProperty(std::move(name), pkComponent);
        property.GetObject = [get](const TPersistent& o) -> TPersistent* {
            return std::invoke(get, static_cast<const T&>(o));
        };
        property.SetComponent = [set](TPersistent& o, TComponent* component) {
            V typed = dynamic_cast<V>(component);
            if (component && !typed)
                return false;
            std::invoke(set, static_cast<T&>(o), typed);
            return true;
        };
        FInfo.AddProperty(std::move(property));
    }

    TClassInfo& FInfo;
};

namespace classbuilder {

const TClassInfo& RequireParent(const std::type_info& type, const std::type_info& parent);

template <class T>
std::unique_ptr<TClassInfo> MakeClassInfo(const TClassInfo* parent) {
    TComponentFactory factory = nullptr;
    if constexpr (std::is_base_of_v<TComponent, T> && !std::is_abstract_v<T> &&
                  std::is_constructible_v<T, TComponent*>)
        factory = [](TComponent* owner) -> TComponent* { return new T(owner); };
    return std::make_unique<TClassInfo>(
        TypeName(typeid(T)), std::type_index(typeid(T)), parent,
        [](const TPersistent* o) { return dynamic_cast<const T*>(o) != nullptr; }, factory);
}

} // namespace classbuilder

// Registers T, whose registered ancestor is TParent, and lets describe (called with a
// TClassBuilder<T>&) declare its properties and methods. Registering a class again does
// nothing, so every layer's registration function may register what it builds on first.
template <class T, class TParent, class F>
const TClassInfo& RegisterClass(F&& describe) {
    static_assert(std::is_base_of_v<TParent, T> && std::is_base_of_v<TPersistent, TParent>);
    if (const TClassInfo* known = GetClassInfo(typeid(T)))
        return *known;
    auto info =
        classbuilder::MakeClassInfo<T>(&classbuilder::RequireParent(typeid(T), typeid(TParent)));
    TClassBuilder<T> builder(*info);
    describe(builder);
    return AddClassInfo(std::move(info));
}

template <class T, class TParent>
const TClassInfo& RegisterClass() {
    return RegisterClass<T, TParent>([](TClassBuilder<T>&) {});
}
