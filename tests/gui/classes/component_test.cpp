#include "gui/classes/component.h"
#include "gui/classes/exceptions.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

// Who a notification was about, by name, and what happened.
using TNote = std::pair<std::string, TOperation>;

// Records its notifications and, in a shared log, its destruction and whether it was
// marked as being destroyed by then.
class TProbe : public TComponent {
public:
    TProbe(TComponent* owner, std::string name, std::vector<std::string>* log = nullptr)
        : TComponent(owner), FLog(log) {
        SetName(name);
    }
    ~TProbe() override {
        if (FLog)
            FLog->push_back(Name() + (ComponentState().Contains(csDestroying) ? "" : " (live)"));
    }

    std::vector<TNote> Notes;

protected:
    void Notification(TComponent* component, TOperation operation) override {
        Notes.emplace_back(component->Name(), operation);
    }

private:
    std::vector<std::string>* FLog;
};

TEST(Component, OwnerFreesWhatItOwnsLastInsertedFirst) {
    std::vector<std::string> log;
    auto owner = std::make_unique<TProbe>(nullptr, "Owner");
    new TProbe(owner.get(), "A", &log);
    auto* b = new TProbe(owner.get(), "B", &log);
    new TProbe(b, "Inner", &log);
    new TProbe(owner.get(), "C", &log);
    ASSERT_EQ(owner->ComponentCount(), 3);
    owner.reset();
    // B's own destructor runs before B's base frees what B owns.
    EXPECT_EQ(log, (std::vector<std::string>{"C", "B", "Inner", "A"}));
}

TEST(Component, DestroyingAComponentRemovesItAndTellsOwnerSiblingsAndObservers) {
    TProbe owner(nullptr, "Owner");
    auto* a = new TProbe(&owner, "A");
    auto* b = new TProbe(&owner, "B");
    TProbe observer(nullptr, "Observer");
    observer.FreeNotification(a);
    owner.Notes.clear();
    b->Notes.clear();

    delete a;

    EXPECT_EQ(owner.ComponentCount(), 1);
    EXPECT_EQ(owner.Components(0), b);
    EXPECT_EQ(owner.FindComponent("A"), nullptr);
    const std::vector<TNote> removed{{"A", opRemove}};
    EXPECT_EQ(owner.Notes, removed);
    EXPECT_EQ(b->Notes, removed);
    EXPECT_EQ(observer.Notes, removed);
}

TEST(Component, RemovalNoticesEndWithWhicheverGoesFirst) {
    auto images = std::make_unique<TProbe>(nullptr, "Images");
    auto user = std::make_unique<TProbe>(nullptr, "User");
    user->FreeNotification(images.get());
    user.reset();
    EXPECT_EQ(images->Notes, (std::vector<TNote>{{"User", opRemove}}));
    images.reset(); // must not reach the destroyed user

    auto kept = std::make_unique<TProbe>(nullptr, "Kept");
    TProbe watcher(nullptr, "Watcher");
    watcher.FreeNotification(kept.get());
    watcher.RemoveFreeNotification(kept.get());
    kept.reset();
    EXPECT_TRUE(watcher.Notes.empty());
}

TEST(Component, NamesAreIdentifiersUniqueAmongTheOwnersComponents) {
    TProbe owner(nullptr, "Owner");
    auto* first = new TProbe(&owner, "Button1");
    auto* second = new TProbe(&owner, "Button2");
    try {
        second->SetName("BUTTON1");
        FAIL() << "no error raised";
    } catch (const EComponentError& error) {
        EXPECT_EQ(error.Message(), "A component named BUTTON1 already exists");
    }
    EXPECT_EQ(second->Name(), "Button2");
    try {
        second->SetName("2nd");
        FAIL() << "no error raised";
    } catch (const EComponentError& error) {
        EXPECT_EQ(error.Message(), "'2nd' is not a valid component name");
    }
    EXPECT_NO_THROW(first->SetName("Button1"));
    EXPECT_NO_THROW(second->SetName(""));
    EXPECT_NO_THROW(new TProbe(&owner, ""));
    EXPECT_EQ(owner.FindComponent("button1"), first);
    EXPECT_EQ(owner.FindComponent(""), nullptr);
    TProbe unowned(nullptr, "Button1");
    EXPECT_EQ(unowned.Name(), "Button1");
}

TEST(Component, InsertComponentMovesOwnershipAndRefusesConflicts) {
    TProbe from(nullptr, "From");
    TProbe to(nullptr, "To");
    auto* moved = new TProbe(&from, "Item");
    auto* stayer = new TProbe(&from, "Stayer");
    auto* resident = new TProbe(&to, "Resident");
    stayer->Notes.clear();

    to.InsertComponent(moved);
    EXPECT_EQ(moved->Owner(), &to);
    EXPECT_EQ(from.ComponentCount(), 1);
    EXPECT_EQ(stayer->Notes, (std::vector<TNote>{{"Item", opRemove}}));
    EXPECT_EQ(resident->Notes, (std::vector<TNote>{{"Item", opInsert}}));
    EXPECT_EQ(moved->ComponentIndex(), 1);

    auto* twin = new TProbe(&from, "resident");
    EXPECT_THROW(to.InsertComponent(twin), EComponentError);
    EXPECT_EQ(twin->Owner(), &from);
    EXPECT_THROW(moved->InsertComponent(&to), EComponentError);
    EXPECT_THROW(moved->InsertComponent(moved), EComponentError);
}

TEST(Component, IndexOutsideTheComponentsFails) {
    TProbe owner(nullptr, "Owner");
    new TProbe(&owner, "A");
    try {
        owner.Components(1);
        FAIL() << "no error raised";
    } catch (const EListError& error) {
        EXPECT_EQ(error.Message(), "List index out of bounds (1)");
    }
    EXPECT_THROW(owner.Components(-1), EListError);
}

} // namespace
