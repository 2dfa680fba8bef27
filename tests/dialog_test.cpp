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

TEST_F(DialogEvents, EventsNoHandlerTakesAreNotRaised) {
    HandledEvents handled;
    handled.Add(1003, Event::TextChanged);
    handled.Add(0, Event::OkCommand);
    d.SetEventHandler([this](int id, Event e) { seen.push_back({id, e}); }, &handled);
    d.AppendItem(1008, "one");
    d.SetText(1007, "output");  // an output box without a handler
    d.SetText(1003, "input");
    EXPECT_TRUE(d.UserChoose(1008, 0));  // still a valid choice, though unheard
    d.UserEscape();
    d.UserEnter();
    EXPECT_EQ(seen, (std::vector<Seen>{{1003, Event::TextChanged}, {0, Event::OkCommand}}));
    EXPECT_EQ(d.GetText(1007), "output");
}

// Copies and assigned windows take the controls but never the wiring: the
// handler and the message box belong to whoever drives a window.
TEST_F(DialogEvents, CopiesAndAssignmentsLeaveTheWiringBehind) {
    std::vector<std::string> boxes;
    d.SetMessageBoxHook([&](std::string_view text, std::string_view) { boxes.emplace_back(text); });
    d.SetText(1003, "typed");
    d.SetCheck(1004, true);
    d.EndDialog(DialogResult::Ok);

    Dialog copy(d);
    EXPECT_EQ(copy.GetText(1003), "typed");
    EXPECT_TRUE(copy.GetCheck(1004));
    EXPECT_EQ(copy.Result(), DialogResult::Ok);
    seen.clear();
    copy.SetText(1003, "again");
    copy.MessageBox("copy", "");
    EXPECT_TRUE(seen.empty());
    EXPECT_TRUE(boxes.empty());

    Dialog target{kTemplate};
    std::vector<Seen> targetSeen;
    std::vector<std::string> targetBoxes;
    target.SetEventHandler([&](int id, Event e) { targetSeen.push_back({id, e}); });
    target.SetMessageBoxHook(
        [&](std::string_view text, std::string_view) { targetBoxes.emplace_back(text); });
    target = d;
    EXPECT_EQ(target.GetText(1003), "typed");
    EXPECT_EQ(target.Result(), DialogResult::Ok);
    target.EndDialog(DialogResult::Running);
    target.SetText(1003, "own");
    target.MessageBox("own", "");
    EXPECT_EQ(targetSeen, (std::vector<Seen>{{1003, Event::TextChanged}}));
    EXPECT_EQ(targetBoxes, (std::vector<std::string>{"own"}));
    EXPECT_TRUE(seen.empty());
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(d.GetText(1003), "typed");
}

TEST(DialogAssignment, TakesTheOtherTemplatesControls) {
    const TemplateRow rows[] = {{1050, ControlKind::InputBox, "", 0, 0, 10, 10, true, true}};
    const DialogTemplate other{"other", 50, 50, rows};
    Dialog d{kTemplate};
    d = Dialog{other};
    EXPECT_EQ(&d.Template(), &other);
    EXPECT_EQ(d.Controls().size(), 1u);
    EXPECT_EQ(d.Find(1003), nullptr);
    EXPECT_TRUE(d.UserType(1050, "x"));
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
