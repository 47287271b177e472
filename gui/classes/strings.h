#pragma once
// String lists: ordered strings, each with an optional object pointer that the list does not
// own. TStrings is the interface controls expose (a list box's items); TStringList keeps the
// strings itself. Indexes outside the list raise EStringListError "List index out of bounds
// (N)". Streams hold the strings as the list's "Strings" value.

#include "gui/classes/event.h"
#include "gui/classes/persistent.h"

#include <string>
#include <string_view>
#include <vector>

class TStrings : public TPersistent {
public:
    virtual int Count() const = 0;
    virtual std::string Strings(int index) const = 0;
    virtual void SetStrings(int index, const std::string& value) = 0;
    virtual TObject* Objects(int index) const = 0;
    virtual void SetObjects(int index, TObject* object) = 0;
    // Inserts at index, 0..Count.
    virtual void InsertObject(int index, const std::string& value, TObject* object) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;

    void Insert(int index, const std::string& value) { InsertObject(index, value, nullptr); }
    // Appends; returns the new string's index.
    int Add(const std::string& value) { return AddObject(value, nullptr); }
    int AddObject(const std::string& value, TObject* object);
    void AddStrings(const TStrings& strings);
    // The index of the first string equal to value ignoring ASCII case, or -1.
    int IndexOf(std::string_view value) const;

    // Every string followed by a line feed. Setting it splits at line feeds, carriage
    // returns and CR LF pairs; a line break at the end does not start another string.
    std::string Text() const;
    void SetText(std::string_view text);

    // Brackets a batch of changes: OnChanging when the first bracket opens, OnChange when
    // the last closes, and nothing in between.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    // From another string list: the same strings and objects.
    void Assign(const TPersistent* source) override;
    void DefineProperties(TFiler& filer) override;

protected:
    // Told when the update bracket opens (true) and closes (false).
    virtual void SetUpdateState(bool updating);

private:
    int FUpdateCount = 0;
};

// Runs body inside strings' update bracket; the bracket closes also when body raises.
template <class F>
void UpdateStrings(TStrings& strings, F&& body) {
    strings.BeginUpdate();
    try {
        body();
    } catch (...) {
        strings.EndUpdate();
        throw;
    }
    strings.EndUpdate();
}

class TStringList : public TStrings {
public:
    int Count() const override { return int(FList.size()); }
    std::string Strings(int index) const override;
    void SetStrings(int index, const std::string& value) override;
    TObject* Objects(int index) const override;
    void SetObjects(int index, TObject* object) override;
    void InsertObject(int index, const std::string& value, TObject* object) override;
    void Delete(int index) override;
    void Clear() override;

    // Before and after every change outside an update bracket, and around the bracket.
    TNotifyEvent OnChanging;
    TNotifyEvent OnChange;

protected:
    void SetUpdateState(bool updating) override;
    virtual void Changing();
    virtual void Changed();

private:
    struct TItem {
        std::string String;
        TObject* Object = nullptr;
    };

    // Raises EStringListError unless 0 <= index < Count + extra.
    void CheckIndex(int index, int extra = 0) const;

    std::vector<TItem> FList;
};
