#include "gui/classes/writer.h"

#include "gui/classes/classregistry.h"
#include "gui/classes/collection.h"
#include "gui/classes/exceptions.h"

#include <utility>

namespace {

// Replaces the dotted prefix of property names for as long as it lives.
class TPrefix {
public:
    TPrefix(std::string& prefix, std::string value)
        : FPrefix(prefix), FSaved(std::exchange(prefix, std::move(value))) {}
    TPrefix(const TPrefix&) = delete;
    TPrefix& operator=(const TPrefix&) = delete;
    ~TPrefix() { FPrefix = std::move(FSaved); }

private:
    std::string& FPrefix;
    std::string FSaved;
};

[[noreturn]] void UnwritableValue(const TPropInfo& property) {
    throw EWriteError("Cannot write property " + property.Name + ": value out of range");
}

} // namespace

void TWriter::WriteRootComponent(TComponent& root) {
    FRoot = &root;
    WriteSignature();
    WriteComponent(root);
}

void TWriter::DefineProperty(std::string_view name, const TReaderProc&,
                             const TWriterProc& writeData, bool hasData) {
    if (!hasData || !writeData)
        return;
    WriteStr(FPrefix + std::string(name));
    writeData(*this);
}

void TWriter::DefineBinaryProperty(std::string_view name, const TStreamProc&,
                                   const TStreamProc& writeData, bool hasData) {
    if (!hasData)
        return;
    TMemoryStream data;
    if (writeData)
        writeData(data);
    WriteStr(FPrefix + std::string(name));
    WriteBinary(data.Bytes());
}

void TWriter::WriteComponent(TComponent& component) {
    component.FComponentState.Include(csWriting);
    try {
        WriteStr(component.ClassName());
        WriteStr(component.Name());
        WriteProperties(component);
        WriteListEnd();
        component.GetChildren([this](TComponent* child) { WriteComponent(*child); }, FRoot);
        WriteListEnd();
    } catch (...) {
        component.FComponentState.Exclude(csWriting);
        throw;
    }
    component.FComponentState.Exclude(csWriting);
}

void TWriter::WriteProperties(TPersistent& instance) {
    for (const TPropInfo* property : ClassInfoOf(instance).Properties())
        WriteProperty(instance, *property);
    instance.DefineProperties(*this);
}

void TWriter::WriteProperty(TPersistent& instance, const TPropInfo& property) {
    if (property.IsStored && !property.IsStored(instance))
        return;
    const std::string name = FPrefix + property.Name;
    switch (property.Kind) {
    case pkObject:
        if (TPersistent* nested = property.GetObject(instance)) {
            TPrefix prefix(FPrefix, name + ".");
            WriteProperties(*nested);
        }
        return;
    case pkCollection:
        if (const auto* collection = static_cast<TCollection*>(property.GetObject(instance))) {
            WriteStr(name);
            WriteCollection(*collection);
        }
        return;
    case pkComponent:
        if (const auto* component = static_cast<TComponent*>(property.GetObject(instance))) {
            WriteStr(name);
            WriteIdent(ReferenceName(*component, name));
        }
        return;
    case pkEvent:
        if (const std::string method = property.GetMethodName(instance); !method.empty()) {
            WriteStr(name);
            WriteIdent(method);
        }
        return;
    default:
        const TPropValue value = property.GetValue(instance);
        if (property.Default && *property.Default == value)
            return;
        WriteStr(name);
        WritePlainValue(property, value);
    }
}

void TWriter::WritePlainValue(const TPropInfo& property, const TPropValue& value) {
    switch (property.Kind) {
    case pkInteger: {
        const std::int64_t number = std::get<std::int64_t>(value);
        if (const auto ident = IntToIdent(property.IdentMap, number))
            WriteIdent(*ident);
        else
            WriteInteger(number);
        return;
    }
    case pkBoolean:
        WriteBoolean(std::get<bool>(value));
        return;
    case pkFloat:
        WriteFloat(std::get<double>(value));
        return;
    case pkString:
        WriteString(std::get<std::string>(value));
        return;
    case pkEnum: {
        const auto index = std::uint64_t(std::get<std::int64_t>(value));
        if (index >= property.Idents.size())
            UnwritableValue(property);
        WriteIdent(property.Idents[index]);
        return;
    }
    default: {
        auto bits = std::uint64_t(std::get<std::int64_t>(value));
        std::vector<std::string> idents;
        for (std::size_t i = 0; i < property.Idents.size() && i < 64; ++i)
            if (bits & (std::uint64_t(1) << i)) {
                idents.emplace_back(property.Idents[i]);
                bits &= ~(std::uint64_t(1) << i);
            }
        if (bits != 0)
            UnwritableValue(property);
        WriteSet(idents);
    }
    }
}

void TWriter::WriteCollection(const TCollection& collection) {
    WriteValue(vaCollection);
    TPrefix prefix(FPrefix, "");
    for (int i = 0; i < collection.Count(); ++i) {
        WriteListBegin();
        WriteProperties(*collection.Items(i));
        WriteListEnd();
    }
    WriteListEnd();
}

std::string TWriter::ReferenceName(const TComponent& component, const std::string& property) const {
    if (&component == FRoot || (component.Owner() == FRoot && !component.Name().empty()))
        return component.Name();
    throw EWriteError("Cannot write " + property +
                      ": the component it refers to is not a named "
                      "component of " +
                      FRoot->ClassName());
}
