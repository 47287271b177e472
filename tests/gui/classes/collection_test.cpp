#include "gui/classes/collection.h"
#include "gui/classes/exceptions.h"
#include "gui/classes/strings.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

class TNumberItem : public TCollectionItem {
public:
    explicit TNumberItem(TCollection* collection) : TCollectionItem(collection) {}

    std::string Text;
    int Value = 0;
    void SetValue(int value) {
        Value = value;
        Changed(false);
    }
    void Assign(const TPersistent* source) override {
        const auto* item = dynamic_cast<const TNumberItem*>(source);
        if (!item) {
            TCollectionItem::Assign(source);
            return;
        }
        Text = item->Text;
        Value = item->Value;
    }
};

// Records every change report in a log that may outlive it.
class TNumbers : public TCollection {
public:
    explicit TNumbers(std::vector<TCollectionItem*>& reports)
        : TCollection(&CreateCollectionItem<TNumberItem>), FReports(reports) {}
    TNumberItem* Add(std::string text) {
        auto* item = static_cast<TNumberItem*>(TCollection::Add());
        item->Text = std::move(text);
        return item;
    }
    std::string Texts() const {
        std::string texts;
        for (int i = 0; i < Count(); ++i)
            texts += static_cast<TNumberItem*>(Items(i))->Text;
        return texts;
    }

protected:
    void Update(TCollectionItem* item) override { FReports.push_back(item); }

private:
    std::vector<TCollectionItem*>& FReports;
};

using TReports = std::vector<TCollectionItem*>;

TEST(Collection, ReportsEachChangeOutsideAnUpdateBracket) {
    TReports reports;
    TNumbers numbers(reports);
    TNumberItem* a = numbers.Add("a");
    numbers.Add("b");
    EXPECT_EQ(reports, (TReports{nullptr, nullptr}));
    reports.clear();
    a->SetValue(5);
    EXPECT_EQ(reports, (TReports{a}));
    reports.clear();
    numbers.Delete(0);
    delete numbers.Items(0);
    EXPECT_EQ(reports, (TReports{nullptr, nullptr}));
    EXPECT_EQ(numbers.Count(), 0);
}

TEST(Collection, AnUpdateBracketReportsOneChangeWhenItCloses) {
    TReports reports;
    TNumbers numbers(reports);
    numbers.BeginUpdate();
    numbers.BeginUpdate();
    numbers.Add("a")->SetValue(1);
    numbers.Add("b");
    numbers.Insert(0);
    numbers.Delete(1);
    numbers.EndUpdate();
    EXPECT_TRUE(reports.empty());
    numbers.EndUpdate();
    EXPECT_EQ(reports, (TReports{nullptr}));
    numbers.EndUpdate();
    EXPECT_EQ(reports.size(), 1u);
    EXPECT_EQ(numbers.UpdateCount(), 0);
}

TEST(Collection, SettingAnItemsIndexMovesIt) {
    TReports reports;
    TNumbers numbers(reports);
    TNumberItem* a = numbers.Add("a");
    numbers.Add("b");
    TNumberItem* c = numbers.Add("c");
    numbers.Add("d");
    reports.clear();
    c->SetIndex(0);
    EXPECT_EQ(numbers.Texts(), "cabd");
    a->SetIndex(3);
    EXPECT_EQ(numbers.Texts(), "cbda");
    EXPECT_EQ(a->Index(), 3);
    EXPECT_EQ(reports, (TReports{nullptr, nullptr}));
    try {
        a->SetIndex(4);
        FAIL() << "no error raised";
    } catch (const EListError& error) {
        EXPECT_EQ(error.Message(), "List index out of bounds (4)");
    }
    EXPECT_EQ(numbers.Texts(), "cbda");

    reports.clear();
    static_cast<TNumberItem*>(numbers.Insert(1))->Text = "x";
    EXPECT_EQ(numbers.Texts(), "cxbda");
    EXPECT_EQ(reports, (TReports{nullptr}));
    EXPECT_THROW(numbers.Insert(6), EListError);
    EXPECT_EQ(numbers.Count(), 5);
}

TEST(Collection, AssignCopiesEveryItemInOneChange) {
    TReports sourceReports;
    TNumbers source(sourceReports);
    source.Add("a")->Value = 1;
    source.Add("b")->Value = 2;
    source.Add("c")->Value = 3;
    TReports reports;
    TNumbers copy(reports);
    copy.Add("old");
    reports.clear();

    copy.Assign(&source);
    EXPECT_EQ(copy.Texts(), "abc");
    EXPECT_EQ(static_cast<TNumberItem*>(copy.Items(2))->Value, 3);
    EXPECT_NE(copy.Items(0), source.Items(0));
    EXPECT_EQ(reports, (TReports{nullptr}));

    copy.Assign(&copy);
    EXPECT_EQ(copy.Texts(), "abc");
    TStringList strings;
    try {
        copy.Assign(&strings);
        FAIL() << "no error raised";
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.Message(), "Cannot assign a TStringList to a TNumbers");
    }
}

TEST(Collection, DestructionReportsNothing) {
    TReports reports;
    auto numbers = std::make_unique<TNumbers>(reports);
    numbers->Add("a");
    numbers->Add("b");
    reports.clear();
    numbers.reset();
    EXPECT_TRUE(reports.empty());
}

TEST(Collection, ItemsKnowTheirCollectionIdAndName) {
    TReports reports;
    TNumbers numbers(reports);
    numbers.Add("a");
    TNumberItem* b = numbers.Add("b");
    numbers.Delete(0);
    TNumberItem* c = numbers.Add("c");
    EXPECT_EQ(b->ID(), 1);
    EXPECT_EQ(c->ID(), 2);
    EXPECT_EQ(numbers.FindItemID(2), c);
    EXPECT_EQ(numbers.FindItemID(0), nullptr);
    EXPECT_EQ(c->DisplayName(), "TNumberItem");
    EXPECT_EQ(c->GetOwner(), &numbers);
    EXPECT_EQ(numbers.GetOwner(), nullptr);
    TStringList owner;
    TOwnedCollection owned(&owner, &CreateCollectionItem<TNumberItem>);
    EXPECT_EQ(owned.GetOwner(), &owner);
    EXPECT_THROW(numbers.Items(2), EListError);
}

} // namespace
