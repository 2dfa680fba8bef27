#include "platform/dialog.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarnvik::platform {
namespace {

using K = ControlKind;

// Two radio groups, an edit box, a read-only box, a list and a label.
const TemplateRow kRows[] = {
    {1001, K::Radio, "a", 0, 0, 10, 10, true, false},
    {1002, K::Radio, "b", 0, 10, 10, 10, false, false},
    {1003, K::InputBox, "", 0, 20, 10, 10, false, true},  // not a radio: no effect on the group
    {1004, K::Radio, "c", 0, 30, 10, 10, false, false},
    {kNoId, K::Label, "x", 0, 40, 10, 10, true, false},
    {1005, K::Radio, "d", 0, 50, 10, 10, false, false},
    {1006, K::Radio, "e", 0, 60, 10, 10, false, false},
    {1007, K::OutputBox, "", 0, 70, 10, 10, false, false},
    {1008, K::Combo, "", 0, 80, 10, 10, false, true},
    {1009, K::Label, "caption", 96, 296, 13, 8, true, false},
};
const DialogTemplate kTemplate{"test", 100, 100, kRows};

struct Seen {
    int id;
    Event event;
    bool operator==(const Seen&) const = default;
};

class DialogEvents : public ::testing::Test {
  protected:
    DialogEvents() {
        d.SetEventHandler([this](int id, Event e) {
            seen.push_back({id, e});
            if (onEvent) onEvent(id, e);
        });
    }
    Dialog d{kTemplate};
    std::vector<Seen> seen;
    std::function<void(int, Event)> onEvent;
};

TEST_F(DialogEvents, ProgramWritesToEditBoxesRaiseAtOnceOutsideTransfers) {
    d.SetText(1003, "1");
    d.SetText(1003, "1");  // the same text again still reports
    d.SetText(1007, "2");
    d.SetText(1009, "label");  // labels report nothing
    EXPECT_EQ(seen, (std::vector<Seen>{{1003, Event::TextChanged},
                                       {1003, Event::TextChanged},
                                       {1007, Event::TextChanged}}));
    seen.clear();
    {
        Dialog::TransferScope transfer(d);
        d.SetText(1003, "3");
    }
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(d.GetText(1003), "3");
}

TEST_F(DialogEvents, WritesNestInsideTheHandler) {
    std::vector<std::string> order;
    onEvent = [&](int id, Event) {
        order.push_back("enter " + std::to_string(id));
        if (id == 1003) d.SetText(1007, "nested");
        order.push_back("leave " + std::to_string(id));
    };
    d.SetText(1003, "x");
    EXPECT_EQ(order,
              (std::vector<std::string>{"enter 1003", "enter 1007", "leave 1007", "leave 1003"}));
}

TEST_F(DialogEvents, ProgramSelectionsAndChecksRaiseNothing) {
    d.AppendItem(1008, "one");
    d.AppendItem(1008, "two");
    d.SetSelection(1008, 1);
    d.SetCheck(1001, true);
    d.SetCheck(1002, true);  // program checks are not exclusive
    EXPECT_TRUE(seen.empty());
    EXPECT_TRUE(d.GetCheck(1001) && d.GetCheck(1002));
    d.SetSelection(1008, 5);
    EXPECT_EQ(d.GetSelection(1008), -1);
}

TEST_F(DialogEvents, UserClickClearsItsGroupOnlyThenRaises) {
    d.SetCheck(1001, true);
    d.SetCheck(1005, true);
    onEvent = [&](int, Event) {
        EXPECT_TRUE(d.GetCheck(1004));  // already checked when the handler runs
        EXPECT_FALSE(d.GetCheck(1001));
    };
    EXPECT_TRUE(d.UserClick(1004));
    EXPECT_TRUE(d.GetCheck(1005));  // the next group is untouched
    EXPECT_EQ(seen, (std::vector<Seen>{{1004, Event::Clicked}}));
}

TEST_F(DialogEvents, DisabledAndReadOnlyControlsIgnoreTheUser) {
    d.Enable(1001, false);
    d.AppendItem(1008, "one");
    d.Enable(1008, false);
    EXPECT_FALSE(d.UserClick(1001));
    EXPECT_FALSE(d.UserChoose(1008, 0));
    EXPECT_FALSE(d.UserType(1007, "x"));  // read-only
    EXPECT_FALSE(d.UserType(1009, "x"));  // a label
    EXPECT_FALSE(d.UserType(4242, "x"));  // no such control
    d.Enable(1008, true);
    EXPECT_FALSE(d.UserChoose(1008, 1));  // no such entry
    EXPECT_FALSE(d.UserChoose(1008, -1));
    EXPECT_FALSE(d.UserChoose(1008, "two"));
    EXPECT_TRUE(seen.empty());
}

TEST_F(DialogEvents, TypingCharacterByCharacterRaisesPerCharacter) {
    EXPECT_TRUE(d.UserTypeChars(1003, "-1.5"));
    EXPECT_EQ(seen.size(), 4u);
    EXPECT_EQ(d.GetText(1003), "-1.5");
    seen.clear();
    EXPECT_TRUE(d.UserType(1003, "-1.5"));  // nothing edited: no event
    EXPECT_TRUE(seen.empty());
}

TEST_F(DialogEvents, ChoosingTheSelectedEntryAgainStillRaises) {
    d.AppendItem(1008, "one");
    d.SetSelection(1008, 0);
    EXPECT_TRUE(d.UserChoose(1008, "one"));
    EXPECT_EQ(seen, (std::vector<Seen>{{1008, Event::SelectionChanged}}));
}

TEST(DialogGeometry, DialogUnitsBecomePixelsAsMulDiv) {
    Dialog d{kTemplate};
    const Control* label = d.Find(1009);
    EXPECT_EQ(label->x, 144);
    EXPECT_EQ(label->y, 481);
    EXPECT_EQ(label->width, 20);  // 13 * 6 / 4 = 19.5, rounded up
    EXPECT_EQ(label->height, 13);
    EXPECT_EQ(label->text, "caption");
    EXPECT_EQ(MulDiv(-3, 6, 4), -5);  // halves round away from zero
}

}  // namespace
}  // namespace tarnvik::platform
