#pragma once
// Collections: ordered lists of items of one class, such as an image list's images. A
// collection owns its items; an item appends itself to the collection it is constructed
// with and leaves it when destroyed. Changes are reported to the collection's Update hook,
// except inside a BeginUpdate/EndUpdate bracket, whose end reports one change of the whole.

#include "gui/classes/persistent.h"

#include <string>
#include <vector>

class TCollection;

class TCollectionItem : public TPersistent {
public:
    // Appends the item to collection (when given). The collection learns of the new item
    // only through TCollection::Added, called once the item is whole.
    explicit TCollectionItem(TCollection* collection);
    // Removes the item from its collection, which reports the change.
    ~TCollectionItem() override;

    TCollection* Collection() const { return FCollection; }
    TPersistent* GetOwner() const override;
    // The item's position; setting it moves the item (EListError outside the collection).
    int Index() const;
    virtual void SetIndex(int value);
    // A number unique within the collection, given in order of creation.
    int ID() const { return FID; }
    // The name editors show; the base gives the class name.
    virtual std::string DisplayName() const;

protected:
    // Reports a change of this item (allItems false) or of the whole collection.
    void Changed(bool allItems);

private:
    friend class TCollection;

    TCollection* FCollection = nullptr;
    int FID = 0;
};

// Makes one item of a collection's item class; the item appends itself to the collection.
using TCollectionItemClass = TCollectionItem* (*)(TCollection& collection);

template <class TItem>
TCollectionItem* CreateCollectionItem(TCollection& collection) {
    return new TItem(&collection);
}

class TCollection : public TPersistent {
public:
    explicit TCollection(TCollectionItemClass itemClass);
    // Frees the items without reporting changes.
    ~TCollection() override;

    int Count() const { return int(FItems.size()); }
    // Raises EListError "List index out of bounds (N)" outside 0..Count-1.
    TCollectionItem* Items(int index) const;
    // Creates an item of the item class at the end, then calls Added.
    TCollectionItem* Add();
    // Creates an item at index (0..Count; EListError otherwise); one change report.
    TCollectionItem* Insert(int index);
    void Delete(int index);
    void Clear();
    TCollectionItem* FindItemID(int id) const;

    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    // From another collection: clears this one and adds an item for each source item,
    // which copies that item (Assign), all inside one update bracket.
    void Assign(const TPersistent* source) override;

    // The hook for an item that has been created and appended; the base reports the
    // change. Code that constructs items directly calls it once an item is whole.
    virtual void Added(TCollectionItem* item);

protected:
    // Called after any change outside an update bracket: item for a change of that item
    // alone, null for a change of the collection (items added, removed, moved, assigned).
    virtual void Update(TCollectionItem* item);
    // Reports a change of the whole collection unless inside an update bracket.
    void Changed();

private:
    friend class TCollectionItem;

    void InsertItem(TCollectionItem* item);
    void RemoveItem(TCollectionItem* item);

    TCollectionItemClass FItemClass;
    std::vector<TCollectionItem*> FItems;
    int FUpdateCount = 0;
    int FNextID = 0;
    bool FDestroying = false;
};

// Runs body inside collection's update bracket; the bracket closes also when body raises.
template <class F>
void UpdateCollection(TCollection& collection, F&& body) {
    collection.BeginUpdate();
    try {
        body();
    } catch (...) {
        collection.EndUpdate();
        throw;
    }
    collection.EndUpdate();
}

// A collection that belongs to another object, which GetOwner returns.
class TOwnedCollection : public TCollection {
public:
    TOwnedCollection(TPersistent* owner, TCollectionItemClass itemClass)
        : TCollection(itemClass), FOwner(owner) {}
    TPersistent* GetOwner() const override { return FOwner; }

private:
    TPersistent* FOwner;
};
