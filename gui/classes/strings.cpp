#include "gui/classes/strings.h"

#include "gui/classes/exceptions.h"
#include "gui/classes/filer.h"
#include "gui/classes/names.h"
#include "gui/classes/reader.h"
#include "gui/classes/writer.h"

int TStrings::AddObject(const std::string& value, TObject* object) {
    const int index = Count();
    InsertObject(index, value, object);
    return index;
}

void TStrings::AddStrings(const TStrings& strings) {
    UpdateStrings(*this, [&] {
        for (int i = 0; i < strings.Count(); ++i)
            AddObject(strings.Strings(i), strings.Objects(i));
    });
}

int TStrings::IndexOf(std::string_view value) const {
    for (int i = 0; i < Count(); ++i)
        if (SameText(Strings(i), value))
            return i;
    return -1;
}

std::string TStrings::Text() const {
    std::string text;
    for (int i = 0; i < Count(); ++i)
        text += Strings(i) + '\n';
    return text;
}

void TStrings::SetText(std::string_view text) {
    UpdateStrings(*this, [&] {
        Clear();
        size_t start = 0;
        while (start < text.size()) {
            const size_t end = std::min(text.find_first_of("\r\n", start), text.size());
            Add(std::string(text.substr(start, end - start)));
            start = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
        }
    });
}

void TStrings::BeginUpdate() {
    if (FUpdateCount == 0)
        SetUpdateState(true);
    ++FUpdateCount;
}

void TStrings::EndUpdate() {
    if (FUpdateCount > 0 && --FUpdateCount == 0)
        SetUpdateState(false);
}

void TStrings::Assign(const TPersistent* source) {
    const auto* strings = dynamic_cast<const TStrings*>(source);
    if (!strings) {
        TPersistent::Assign(source);
        return;
    }
    if (strings == this)
        return;
    UpdateStrings(*this, [&] {
        Clear();
        AddStrings(*strings);
    });
}

void TStrings::DefineProperties(TFiler& filer) {
    filer.DefineProperty(
        "Strings",
        [this](TReader& reader) {
            reader.ReadListBegin();
            UpdateStrings(*this, [&] {
                Clear();
                while (!reader.EndOfList())
                    Add(reader.ReadString());
            });
            reader.ReadListEnd();
        },
        [this](TWriter& writer) {
            writer.WriteListBegin();
            for (int i = 0; i < Count(); ++i)
                writer.WriteString(Strings(i));
            writer.WriteListEnd();
        },
        Count() > 0);
}

void TStrings::SetUpdateState(bool) {}

std::string TStringList::Strings(int index) const {
    CheckIndex(index);
    return FList[size_t(index)].String;
}

void TStringList::SetStrings(int index, const std::string& value) {
    CheckIndex(index);
    Changing();
    FList[size_t(index)].String = value;
    Changed();
}

TObject* TStringList::Objects(int index) const {
    CheckIndex(index);
    return FList[size_t(index)].Object;
}

void TStringList::SetObjects(int index, TObject* object) {
    CheckIndex(index);
    Changing();
    FList[size_t(index)].Object = object;
    Changed();
}

void TStringList::InsertObject(int index, const std::string& value, TObject* object) {
    CheckIndex(index, 1);
    Changing();
    FList.insert(FList.begin() + index, TItem{value, object});
    Changed();
}

void TStringList::Delete(int index) {
    CheckIndex(index);
    Changing();
    FList.erase(FList.begin() + index);
    Changed();
}

void TStringList::Clear() {
    if (FList.empty())
        return;
    Changing();
    FList.clear();
    Changed();
}

void TStringList::SetUpdateState(bool updating) {
    if (updating)
        Changing();
    else
        Changed();
}

void TStringList::Changing() {
    if (UpdateCount() == 0 && OnChanging)
        OnChanging(this);
}

void TStringList::Changed() {
    if (UpdateCount() == 0 && OnChange)
        OnChange(this);
}

void TStringList::CheckIndex(int index, int extra) const {
    if (index < 0 || index >= Count() + extra)
        RaiseListIndexError<EStringListError>(index);
}
