#pragma once

#include "toolkit/Form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lopena::testing {

struct Box {
    float left, top, right, bottom;
    bool operator==(const Box&) const = default;
};

// Where a control stands on the form, its frames' places added.
inline Box onForm(const tk::Form& form, const tk::Control& c) {
    Box a{c.Left(), c.Top(), c.Left() + c.Width(), c.Top() + c.Height()};
    for (const tk::Control* f = form.containerOf(c); f; f = form.containerOf(*f))
        a = {a.left + f->Left(), a.top + f->Top(), a.right + f->Left(), a.bottom + f->Top()};
    return a;
}

inline std::vector<Box> placesOf(const tk::Form& form) {
    std::vector<Box> places;
    for (const tk::Control* c : form.controls())
        places.push_back(onForm(form, *c));
    return places;
}

inline std::string nameOf(const tk::Control& c) {
    return std::string(c.name()) + "(" + std::to_string(c.index()) + ")";
}

// Laid out tall for a room `room` px wide, the form is `width` wide; every shown control lies in
// it, every box, button and check is 24 px or more, no two controls of a frame overlap.
inline void expectFitsTall(tk::Form& form, int room, int width) {
    form.arrange(tk::Layout::Tall, room);
    ASSERT_EQ(form.clientWidth(), width);
    std::vector<std::pair<const tk::Control*, Box>> shown;
    for (const tk::Control* c : form.controls()) {
        const Box a = onForm(form, *c);
        if (!c->Visible())
            continue;
        EXPECT_TRUE(a.left >= 0 && a.right <= width - 4 && a.bottom <= form.clientHeight()) << nameOf(*c);
        const bool small = tk::takesKeys(c->kind()) && (c->Width() < 24 || c->Height() < 24);
        EXPECT_FALSE(small) << nameOf(*c);
        if (c->Width() > 0)
            shown.emplace_back(c, a);
    }
    for (const auto& [c, a] : shown) {
        for (const auto& [d, b] : shown)
            EXPECT_FALSE(c < d && form.containerOf(*c) == form.containerOf(*d) && a.left < b.right &&
                         b.left < a.right && a.top < b.bottom && b.top < a.bottom)
                << width << ": " << nameOf(*c) << " over " << nameOf(*d);
    }
}

// Wide again: the form's own size and every control where it stood.
inline void expectWideAgain(tk::Form& form, const std::vector<Box>& wide, int width, int height) {
    form.arrange(tk::Layout::Wide, 0);
    EXPECT_EQ(std::make_pair(form.clientWidth(), form.clientHeight()), std::make_pair(width, height));
    EXPECT_TRUE(placesOf(form) == wide);
}

} // namespace lopena::testing
