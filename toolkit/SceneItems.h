#pragma once

#include "toolkit/Form.h"

#include <type_traits>
#include <variant>

namespace tk {

// Runs `single` for each lone shape or line of the form's scene and `array` for each array of
// them, in drawing order; both bindings walk the scene this way.
template <class Single, class Array>
void forEachSceneItem(const Form& form, Single single, Array array) {
    for (const SceneItem& item : form.scene())
        std::visit(
            [&](auto* p) {
                using T = std::remove_pointer_t<decltype(p)>;
                if constexpr (std::is_same_v<T, Shape> || std::is_same_v<T, Line>)
                    single(*p);
                else
                    array(*p);
            },
            item);
}

// Sets the observer of every shape and line of the form's scene, array elements included; elements
// created later are copies of element 0 and take its observer with them.
inline void watchScene(const Form& form, ControlObserver* observer) {
    forEachSceneItem(
        form, [&](auto& item) { item.setObserver(observer); },
        [&](auto& array) {
            for (const auto& [index, element] : array)
                element->setObserver(observer);
        });
}

} // namespace tk
