#include "gui/classes/exceptions.h"
#include "gui/classes/strings.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(const TStrings& strings) {
    std::vector<std::string> lines;
    for (int i = 0; i < strings.Count(); ++i)
        lines.push_back(strings.Strings(i));
    return lines;
}

void ExpectOutOfBounds(const std::function<void()>& action, int index) {
    try {
        action();
        FAIL() << "no error raised for index " << index;
    } catch (const EStringListError& error) {
        EXPECT_EQ(error.Message(), "List index out of bounds (" + std::to_string(index) + ")");
    }
}

TEST(StringList, IndexesOutsideTheListFail) {
    TStringList list;
    list.Add("a");
    list.Add("b");
    ExpectOutOfBounds([&] { list.Strings(2); }, 2);
    ExpectOutOfBounds([&] { list.SetStrings(-1, "x"); }, -1);
    ExpectOutOfBounds([&] { list.Objects(5); }, 5);
    ExpectOutOfBounds([&] { list.SetObjects(2, nullptr); }, 2);
    ExpectOutOfBounds([&] { list.Delete(2); }, 2);
    ExpectOutOfBounds([&] { list.Insert(3, "x"); }, 3);
    list.Insert(2, "c");
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(StringList, TextSplitsAtEveryLineBreakAndEndsEachLine) {
    TStringList list;
    list.SetText("a\r\nb\rc\n\nd");
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"a", "b", "c", "", "d"}));
    EXPECT_EQ(list.Text(), "a\nb\nc\n\nd\n");
    list.SetText("only\n");
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"only"}));
    list.SetText("\n");
    EXPECT_EQ(Lines(list), (std::vector<std::string>{""}));
    list.SetText("");
    EXPECT_EQ(list.Count(), 0);
}

TEST(StringList, ReportsChangesExceptInsideAnUpdateBracket) {
    TStringList list;
    std::string events;
    list.OnChanging = [&](TObject* sender) {
        EXPECT_EQ(sender, &list);
        events += '<';
    };
    list.OnChange = [&](TObject*) { events += '>'; };
    list.Add("a");
    list.SetStrings(0, "b");
    EXPECT_EQ(events, "<><>");
    events.clear();
    list.BeginUpdate();
    list.Add("c");
    list.BeginUpdate();
    list.Delete(0);
    list.EndUpdate();
    list.Clear();
    EXPECT_EQ(events, "<");
    list.EndUpdate();
    EXPECT_EQ(events, "<>");
    events.clear();
    list.SetText("x\ny\n");
    EXPECT_EQ(events, "<>");
}

TEST(StringList, AssignCopiesStringsAndObjects) {
    TStringList source;
    TStringList marker;
    source.AddObject("One", &marker);
    source.Add("Two");
    TStringList copy;
    copy.Add("old");
    copy.Assign(&source);
    EXPECT_EQ(Lines(copy), (std::vector<std::string>{"One", "Two"}));
    EXPECT_EQ(copy.Objects(0), &marker);
    EXPECT_EQ(copy.Objects(1), nullptr);
    EXPECT_EQ(copy.IndexOf("two"), 1);
    EXPECT_EQ(copy.IndexOf("three"), -1);
}

} // namespace
