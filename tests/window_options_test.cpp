// The option table against a real window: every option drives a control
// of the kind its action needs, in the order the table promises.
#include "sizing/window_options.h"

#include <gtest/gtest.h>

#include <set>

#include "core/control_ids.h"
#include "sizing/window_session.h"

namespace tarnvik::sizing {
namespace {

using platform::ControlKind;

TEST(WindowOptions, ListedInTheirOrderOfApplication) {
    std::size_t position = 0;
    for (const WindowOption& o : WindowOptions()) {
        EXPECT_EQ(static_cast<std::size_t>(o.opt), position++) << o.name;
        EXPECT_EQ(FindWindowOption(o.name), &o) << o.name;
    }
    EXPECT_EQ(position, kOptCount);
    EXPECT_EQ(FindWindowOption("json"), nullptr);
}

TEST(WindowOptions, EachDrivesAControlOfItsKind) {
    const WindowSession fresh;
    for (const WindowOption& o : WindowOptions()) {
        SCOPED_TRACE(std::string(o.name));
        if (o.action == Action::Click) {
            const std::vector<RadioChoice> choices = RadioChoices(o.opt);
            ASSERT_FALSE(choices.empty());
            std::set<int> radios;
            for (const RadioChoice& c : choices) {
                const platform::Control* radio = fresh.Window().Find(c.radio);
                ASSERT_NE(radio, nullptr) << c.value;
                EXPECT_EQ(radio->kind, ControlKind::Radio) << c.value;
                EXPECT_EQ(RadioFor(o.opt, c.value), c.radio);
                radios.insert(radio->radioGroup);
            }
            EXPECT_EQ(radios.size(), 1u) << "the choices of one option form one radio group";
            EXPECT_EQ(RadioFor(o.opt, "no such value"), 0);
        } else {
            const platform::Control* control = fresh.Window().Find(o.control);
            ASSERT_NE(control, nullptr);
            EXPECT_EQ(control->kind,
                      o.action == Action::Choose ? ControlKind::Combo : ControlKind::InputBox);
        }
    }
}

// The unit values are the radios' captions, so --unit names what the
// window shows.
TEST(WindowOptions, UnitValuesAreTheRadioCaptions) {
    const WindowSession fresh;
    for (const RadioChoice& c : RadioChoices(Opt::Unit))
        EXPECT_EQ(fresh.Window().Find(c.radio)->text, c.value);
}

}  // namespace
}  // namespace tarnvik::sizing
