#pragma once
// Components: persistent objects with an owner and a name. An owner frees the components it
// owns when it is destroyed (the last inserted first); a component that is destroyed leaves
// its owner first, so nothing is freed twice. Components that hold pointers to others learn
// of their removal through Notification.

#include "gui/classes/persistent.h"
#include "gui/classes/set.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

enum TOperation { opInsert, opRemove };
enum TComponentStateFlag { csLoading, csReading, csWriting, csDestroying, csDesigning };
using TComponentState = TSet<TComponentStateFlag>;

class TComponent : public TPersistent {
public:
    // Inserts the new component into owner's components (owner may be null).
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    TComponent* Owner() const { return FOwner; }
    TPersistent* GetOwner() const override { return FOwner; }

    // The owned components in order of insertion; Components raises EListError
    // "List index out of bounds (N)" for an index outside 0..ComponentCount-1.
    int ComponentCount() const { return int(FComponents.size()); }
    TComponent* Components(int index) const;
    // The position of this component among its owner's, or -1 without an owner.
    int ComponentIndex() const;
    // The owned component of that name (compared without regard to case), or null.
    TComponent* FindComponent(std::string_view name) const;
    // Takes over component from its current owner; raises EComponentError when this one
    // already owns another component of the same name.
    void InsertComponent(TComponent* component);
    // Gives up ownership of component without destroying it.
    void RemoveComponent(TComponent* component);
    // Destroys every owned component, the last inserted first. A class whose owned
    // components refer back to it (a form that parents its controls) calls this in its own
    // destructor, while it is still whole.
    void DestroyComponents();
    // Marks this component and everything it owns as being destroyed (csDestroying).
    void Destroying();

    const std::string& Name() const { return FName; }
    // Raises EComponentError "'<name>' is not a valid component name" or
    // "A component named <name> already exists" (among the owner's components).
    void SetName(const std::string& name);
    int Tag() const { return FTag; }
    void SetTag(int value) { FTag = value; }
    // Where a component without a parent sits on its form at design time: the left
    // coordinate in the low 16 bits, the top in the high 16 bits. Streamed as "Left" and
    // "Top" when not zero.
    std::int32_t DesignInfo() const { return FDesignInfo; }
    void SetDesignInfo(std::int32_t value) { FDesignInfo = value; }

    TComponentState ComponentState() const { return FComponentState; }
    void SetDesigning(bool value);

    // Registers a removal notice between this component and component: whichever of the
    // two is destroyed first tells the other (Notification with opRemove). A component that
    // holds a pointer to one it does not own registers this way.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    // Streaming hooks. The reader gives every component it creates the object it was
    // nested in, in the stream, as parent (SetParentComponent); the base ignores it, a
    // control makes it its parent control. The writer asks a component for the children to
    // write nested in it (GetChildren): the base hands out, for the root, every owned
    // component without a parent (HasParent false); a parent control adds its controls.
    virtual bool HasParent() const { return false; }
    virtual TComponent* GetParentComponent() const { return nullptr; }
    virtual void SetParentComponent(TComponent* parent);
    using TGetChildProc = std::function<void(TComponent* child)>;
    virtual void GetChildren(const TGetChildProc& proc, TComponent* root);

    void DefineProperties(TFiler& filer) override;

protected:
    // Told of components inserted into or removed from the owner (sent to the owner and
    // to its other components) and of the destruction of components registered with
    // FreeNotification. opInsert arrives while the new component is still being
    // constructed: use it only as an identity. The base does nothing.
    virtual void Notification(TComponent* component, TOperation operation);
    // Called once the whole tree this component was read with is complete and its
    // references are resolved; the base ends csLoading. Overrides call the base.
    virtual void Loaded();

private:
    friend class TReader;
    friend class TWriter;

    // Sends Notification to the owner and to every owned component but subject.
    void NotifyOwned(TComponent* subject, TOperation operation);
    // Raises EComponentError when another owned component than except is named name.
    void CheckUniqueName(const std::string& name, const TComponent* except) const;

    TComponent* FOwner = nullptr;
    std::vector<TComponent*> FComponents;
    std::vector<TComponent*> FFreeNotifies;
    std::string FName;
    int FTag = 0;
    std::int32_t FDesignInfo = 0;
    TComponentState FComponentState;
};
